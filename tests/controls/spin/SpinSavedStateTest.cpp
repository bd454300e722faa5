#include "controls/spin/SpinSavedState.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"
#include "platform/automation/VariantLiteral.h"

#include "BagKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvane;
using namespace corvane::spin;

namespace
{

int ErrorOf(SpinKind kind, const PropertyBag &bag)
{
    try {
        ReadSpinState(kind, bag);
    } catch (const AutomationError &e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(SpinSavedState, DefaultsAreLeftOutButTheValueIsAlwaysWritten)
{
    for (const SpinKind kind : {SpinKind::Date, SpinKind::Time}) {
        SpinSavedState state;
        state.value = 0.0; // equal to the old default, yet it must not read back as "absent"
        PropertyBag bag;
        WriteSpinState(kind, state, bag);
        EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{ValueName(kind)}));
        EXPECT_EQ(ReadSpinState(kind, bag), state);
    }
}

TEST(SpinSavedState, EveryKeyRoundTripsInItsOrderWithItsType)
{
    SpinSavedState state;
    state.Appearance = 1;
    state.BackColor = 0x00FFFF00;
    state.ForeColor = 0x80000012;
    state.Enabled = false;
    state.value = 37456.75;
    PropertyBag bag;
    WriteSpinState(SpinKind::Time, state, bag);
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"Appearance", "BackColor", "ForeColor", "Enabled", "CurrTime"}));
    EXPECT_EQ(bag.Read("Appearance").Type(), VarType::I2);
    EXPECT_EQ(bag.Read("BackColor").Type(), VarType::I4);
    EXPECT_EQ(bag.Read("Enabled").Type(), VarType::Bool);
    EXPECT_EQ(bag.Read("CurrTime").Type(), VarType::Date);
    EXPECT_EQ(ReadSpinState(SpinKind::Time, bag), state);
    // The date editor reads its own key only.
    EXPECT_FALSE(ReadSpinState(SpinKind::Date, bag).value.has_value());
}

TEST(SpinSavedState, ValuesOfTheWrongTypeOrRangeAreRefused)
{
    // Values as typed literals.
    const std::tuple<const char *, const char *, int> cases[] = {
        {"Appearance", "i2:2", 380},
        {"BackColor", "i4:0x01000000", 380},
        {"ForeColor", "i4:0x80000040", 380},
        {"Enabled", "\"perhaps\"", 13},
        {"CurrDate", "\"someday\"", 13},
        {"CurrDate", "r8:1e9", 6},
    };
    for (const auto &[key, value, error] : cases) {
        PropertyBag bag;
        bag.Write(key, ParseLiteral(value));
        EXPECT_EQ(ErrorOf(SpinKind::Date, bag), error) << key;
    }
}
