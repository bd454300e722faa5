#include "controls/picker/QxMonthVwProperties.h"
#include "platform/automation/PropertyBag.h"

#include "AtomicLoad.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::picker;

namespace
{

ObjectPtr<QxMonthVw> NewControl()
{
    ObjectPtr<QxMonthVw> control = MakeObject<QxMonthVw>();
    control->InitNew();
    return control;
}

} // namespace

// The typed faces take a new control's values from the rows; they must be what the control holds.
TEST(PickerSavedState, TheRowsKnowWhatANewControlHolds)
{
    const ObjectPtr<QxMonthVw> control = NewControl();
    EXPECT_EQ(kAppearance.get(*control), kAppearance.initial);
    EXPECT_EQ(kBorderStyle.get(*control), kBorderStyle.initial);
    EXPECT_EQ(kBackColor.get(*control), kBackColor.initial);
    EXPECT_EQ(kForeColor.get(*control), kForeColor.initial);
    EXPECT_EQ(kEnabled.get(*control), kEnabled.initial);
    EXPECT_EQ(kCurrDate.get(*control), kCurrDate.initial);
    EXPECT_EQ(kAgrDateFormat.get(*control), kAgrDateFormat.initial);
}

TEST(PickerSavedState, ABadKeyAmongGoodOnesChangesNothing)
{
    const ObjectPtr<QxMonthVw> control = NewControl();
    PropertyBag good;
    good.Write("Appearance", std::int16_t(1));
    good.Write("BorderStyle", std::int16_t(0));
    good.Write("BackColor", std::int32_t(0x00102030));
    good.Write("ForeColor", std::int32_t(0x00405060));
    good.Write("Enabled", false);
    good.Write("Caption", Variant("loaded"));
    good.Write("CurrDate", Variant::FromDate(40000.0));
    good.Write("AgrDateFormat", std::int32_t(2));
    Record font("StdFont");
    font.Add("Size", Variant(-3.0f));
    const BadSavedValue bad[] = {
        {"Appearance", Variant(std::int16_t(5)), 380},
        {"Font", Variant(font), 380},
        {"Caption", Variant(Record("Caption")), 13},
        {"AgrDateFormat", Variant("long"), 13},
    };
    ExpectBadKeysChangeNothing(*control, good, bad);
}
