#include "controls/month/QxMonthSavedState.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"

#include "BagKeys.h"
#include "ErrorOf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvane;
using namespace corvane::month;

namespace
{

int ReadError(const PropertyBag &bag)
{
    return ErrorOf([&] { ReadSavedState(bag); });
}

} // namespace

TEST(QxMonthSavedState, ANewControlSavesOnlyTheTwoColoursThatDifferFromTheirAbsentValues)
{
    PropertyBag bag;
    WriteSavedState(InitialSavedState(), bag);
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"DateBackColor", "WeekBackColor"}));
    EXPECT_EQ(bag.Read("DateBackColor"), Variant(std::int32_t(0x8000000E)));
    EXPECT_EQ(bag.Read("WeekBackColor"), Variant(std::int32_t(0x80000005)));
    EXPECT_EQ(ReadSavedState(bag), InitialSavedState());
}

TEST(QxMonthSavedState, MissingKeysTakeTheirAbsentValues)
{
    PropertyBag bag;
    bag.Write("CurrDate", Variant::FromDate(37456.0));
    const QxMonthSavedState state = ReadSavedState(bag);
    EXPECT_EQ(state.CurrDate, 37456.0);
    EXPECT_EQ(state.Appearance, 0);
    EXPECT_TRUE(state.Enabled);
    EXPECT_EQ(state.colors.ForeColor, 0x000000u);
    EXPECT_EQ(state.colors.AgrForeColor, 0x800000u);
    EXPECT_EQ(state.colors.FestForeColor, 0x0000FFu);
    EXPECT_EQ(state.colors.StForeColor, 0x008000u);
    EXPECT_EQ(state.colors.SelectColor, 0xFFFF80u);
    EXPECT_EQ(state.colors.DateBackColor, 0x80000009u);
    EXPECT_EQ(state.colors.WeekBackColor, 0x8000000Eu);
}

TEST(QxMonthSavedState, EveryKeyRoundTripsInItsOrder)
{
    QxMonthSavedState state;
    state.Appearance = 1;
    state.Enabled = false;
    state.CurrDate = 37456.25;
    state.colors = {0x010101, 0x020202, 0x030303, 0x040404, 0x050505, 0x060606, 0x070707, 0x80000001, 0x090909};
    PropertyBag bag;
    WriteSavedState(state, bag);
    EXPECT_EQ(BagKeys(bag),
              (std::vector<std::string>{"Appearance",
                                        "ForeColor",
                                        "Enabled",
                                        "CurrDate",
                                        "AgrForeColor",
                                        "FestForeColor",
                                        "DateBackColor",
                                        "WeekForeColor",
                                        "StForeColor",
                                        "WeekBackColor",
                                        "sTermBackColor",
                                        "SelectColor"}));
    EXPECT_EQ(bag.Read("Appearance").Type(), VarType::I2);
    EXPECT_EQ(bag.Read("CurrDate").Type(), VarType::Date);
    EXPECT_EQ(ReadSavedState(bag), state);
}

TEST(QxMonthSavedState, ValuesOfTheWrongTypeOrRangeAreRefused)
{
    const std::pair<const char *, std::int32_t> cases[] = {
        {"Appearance", 2},
        {"SelectColor", 0x01000000},
        {"ForeColor", std::int32_t(0x80000040)},
    };
    for (const auto &[key, value] : cases) {
        PropertyBag bag;
        bag.Write(key, Variant(value));
        EXPECT_EQ(ReadError(bag), 380) << key;
    }
    PropertyBag bag;
    bag.Write("Enabled", Variant("perhaps"));
    EXPECT_EQ(ReadError(bag), 13);
}
