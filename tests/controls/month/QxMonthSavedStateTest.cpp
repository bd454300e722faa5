#include "controls/month/QxMonthProperties.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"

#include "AtomicLoad.h"
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
    return ErrorOf([&] { Saved::Read(bag); });
}

ObjectPtr<QxMonth> NewControl()
{
    ObjectPtr<QxMonth> control = MakeObject<QxMonth>();
    control->InitNew();
    return control;
}

} // namespace

TEST(QxMonthSavedState, ANewControlSavesOnlyTheTwoColoursThatDifferFromTheirAbsentValues)
{
    const ObjectPtr<QxMonth> control = NewControl();
    PropertyBag bag;
    control->Save(bag);
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"DateBackColor", "WeekBackColor"}));
    EXPECT_EQ(bag.Read("DateBackColor"), Variant(std::int32_t(0x8000000E)));
    EXPECT_EQ(bag.Read("WeekBackColor"), Variant(std::int32_t(0x80000005)));
}

TEST(QxMonthSavedState, MissingKeysTakeTheirAbsentValues)
{
    PropertyBag bag;
    bag.Write("CurrDate", Variant::FromDate(37456.0));
    // Appearance, ForeColor, Enabled, CurrDate, AgrForeColor, FestForeColor, DateBackColor,
    // WeekForeColor, StForeColor, WeekBackColor, sTermBackColor, SelectColor.
    const auto saved = Saved::Read(bag);
    EXPECT_EQ(saved,
              (decltype(saved){0,
                               0x000000u,
                               true,
                               37456.0,
                               0x800000u,
                               0x0000FFu,
                               0x80000009u,
                               0x80000010u,
                               0x008000u,
                               0x8000000Eu,
                               0x8000000Fu,
                               0xFFFF80u}));
}

// Every key written in its order with its type, and what a control loads it saves again unchanged: a
// row whose getter, reader or key went astray breaks the round trip.
TEST(QxMonthSavedState, EveryKeyRoundTripsInItsOrder)
{
    const ObjectPtr<QxMonth> control = NewControl();
    control->SetAppearance(1);
    control->SetEnabled(false);
    control->SetCurrDate(37456.25);
    ui::OleColor next = 0x010101;
    for (const ColorProperty &c : kColors)
        c.row.put(*control, next += 0x010101);
    PropertyBag bag;
    control->Save(bag);
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
    EXPECT_EQ(bag.Read("CurrDate"), Variant::FromDate(37456.25));
    EXPECT_EQ(bag.Read("SelectColor"), Variant(std::int32_t(0x0A0A0A)));

    const ObjectPtr<QxMonth> loaded = MakeObject<QxMonth>();
    loaded->Load(bag);
    EXPECT_EQ(loaded->Colors().WeekForeColor, 0x060606u);
    PropertyBag again;
    loaded->Save(again);
    EXPECT_EQ(again, bag);
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
    bag.Clear();
    bag.Write("Appearance", Variant(std::int32_t(70000)));
    EXPECT_EQ(ReadError(bag), 6) << "read as the 16-bit integer it is saved as";
}

TEST(QxMonthSavedState, ABadKeyAmongGoodOnesChangesNothing)
{
    const ObjectPtr<QxMonth> control = NewControl();
    PropertyBag good;
    good.Write("Appearance", std::int16_t(1));
    good.Write("Enabled", false);
    good.Write("CurrDate", Variant::FromDate(40000.0));
    for (const ColorProperty &c : kColors)
        good.Write(c.row.name, std::int32_t(0x00123456));
    const BadSavedValue bad[] = {
        {"ForeColor", Variant(std::int32_t(0x02000000)), 380},
        {"WeekBackColor", Variant("blue"), 13},
        {"SelectColor", Variant(std::int32_t(0x7F000000)), 380},
    };
    ExpectBadKeysChangeNothing(*control, good, bad);
}
