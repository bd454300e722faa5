#include "controls/spin/SpinProperties.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"
#include "platform/automation/VariantLiteral.h"

#include "AtomicLoad.h"
#include "BagKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvane;
using namespace corvane::spin;

namespace
{

// What a date editor reads from a bag, as Load reads it.
void ReadAll(const PropertyBag &bag)
{
    Saved::Read(bag);
    ReadProperty<kCurrDate>(bag);
}

} // namespace

TEST(SpinSavedState, DefaultsAreLeftOutButTheValueIsAlwaysWritten)
{
    const ObjectPtr<TimeUpDown> control = MakeObject<TimeUpDown>();
    control->InitNew();
    control->SetCurrTime(0.0); // equal to a number's default, yet it must not read back as "absent"
    PropertyBag bag;
    control->Save(bag);
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"CurrTime"}));
    const ObjectPtr<TimeUpDown> loaded = MakeObject<TimeUpDown>();
    loaded->Load(bag);
    EXPECT_EQ(loaded->CurrTime(), 0.0);
}

TEST(SpinSavedState, EveryKeyRoundTripsInItsOrderWithItsType)
{
    const ObjectPtr<TimeUpDown> control = MakeObject<TimeUpDown>();
    control->InitNew();
    control->SetAppearance(1);
    control->SetBackColor(0x00FFFF00);
    control->SetForeColor(0x80000012);
    control->SetEnabled(false);
    control->SetCurrTime(37456.75);
    PropertyBag bag;
    control->Save(bag);
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"Appearance", "BackColor", "ForeColor", "Enabled", "CurrTime"}));
    EXPECT_EQ(bag.Read("Appearance").Type(), VarType::I2);
    EXPECT_EQ(bag.Read("BackColor").Type(), VarType::I4);
    EXPECT_EQ(bag.Read("Enabled").Type(), VarType::Bool);
    EXPECT_EQ(bag.Read("CurrTime").Type(), VarType::Date);
    const ObjectPtr<TimeUpDown> loaded = MakeObject<TimeUpDown>();
    loaded->Load(bag);
    PropertyBag again;
    loaded->Save(again);
    EXPECT_EQ(again, bag);
    // The date editor reads its own key only.
    EXPECT_FALSE(ReadProperty<kCurrDate>(bag).has_value());
}

TEST(SpinSavedState, ValuesOfTheWrongTypeOrRangeAreRefused)
{
    // Values as typed literals.
    const std::tuple<const char *, const char *, int> cases[] = {
        {"Appearance", "i2:2", 380},
        {"Appearance", "i4:70000", 6},
        {"BackColor", "i4:0x01000000", 380},
        {"ForeColor", "i4:0x80000040", 380},
        {"Enabled", "\"perhaps\"", 13},
        {"CurrDate", "\"someday\"", 13},
        {"CurrDate", "r8:1e9", 6},
    };
    for (const auto &[key, value, error] : cases) {
        PropertyBag bag;
        bag.Write(key, ParseLiteral(value));
        EXPECT_EQ(ErrorOf([&] { ReadAll(bag); }), error) << key;
    }
}

TEST(SpinSavedState, ABadKeyAmongGoodOnesChangesNothing)
{
    const ObjectPtr<DateUpDown> control = MakeObject<DateUpDown>();
    control->InitNew();
    PropertyBag good;
    good.Write("Appearance", std::int16_t(1));
    good.Write("BackColor", std::int32_t(0x00102030));
    good.Write("ForeColor", std::int32_t(0x00405060));
    good.Write("Enabled", false);
    good.Write("CurrDate", Variant::FromDate(40000.0));
    const BadSavedValue bad[] = {
        {"Appearance", Variant(std::int16_t(7)), 380},
        {"ForeColor", Variant("red"), 13},
        {"CurrDate", Variant(1e9), 6},
    };
    ExpectBadKeysChangeNothing(*control, good, bad);
}
