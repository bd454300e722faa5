#include "platform/automation/PropertyBag.h"
#include "BagKeys.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/VariantLiteral.h"
#include "toy/ToyClasses.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace
{

TEST(PropertyBag, AnAbsentKeyReadsAsItsDefault)
{
    PropertyBag bag;
    bag.Write("CurrDate", Variant::FromDate(37299));
    EXPECT_EQ(bag.Read("CurrDate", Variant::FromDate(367)), Variant::FromDate(37299));
    EXPECT_EQ(bag.Read("Caption", "QxMonthVw"), Variant("QxMonthVw"));
    EXPECT_EQ(bag.Read("currdate", 0), Variant(0)); // keys are case-sensitive
}

TEST(PropertyBag, WritingTheDefaultStoresNothingAndDropsAnEarlierValue)
{
    PropertyBag bag;
    bag.Write("ForeColor", 0, 0);
    EXPECT_TRUE(bag.Empty());
    bag.Write("ForeColor", 255, 0);
    EXPECT_EQ(bag.Read("ForeColor"), Variant(255));
    bag.Write("ForeColor", 0, 0);
    EXPECT_EQ(bag.Find("ForeColor"), nullptr);
}

TEST(PropertyBag, DefaultsCompareByValueAcrossNumericTypes)
{
    PropertyBag bag;
    // A 32-bit format whose default is given as a 16-bit 1.
    bag.Write("AgrDateFormat", 1, std::int16_t(1));
    EXPECT_TRUE(bag.Empty());
    bag.Write("AgrDateFormat", 0, std::int16_t(1));
    EXPECT_EQ(bag.Read("AgrDateFormat"), Variant(0));
    bag.Write("Enabled", true, true);
    bag.Write("CurrDate", Variant::FromDate(367), Variant::FromDate(367));
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"AgrDateFormat"}));
}

TEST(PropertyBag, KeysKeepTheOrderOfTheirFirstWrite)
{
    PropertyBag bag;
    for (const char *key : {"Appearance", "BorderStyle", "BackColor", "Font"})
        bag.Write(key, 1);
    bag.Write("BorderStyle", 2); // rewriting keeps the place
    bag.Write("Appearance", 0, 0); // removal closes the gap
    bag.Write("Appearance", 1); // and a new write goes last
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"BorderStyle", "BackColor", "Font", "Appearance"}));
    EXPECT_EQ(bag.Read("BorderStyle"), Variant(2));
}

TEST(PropertyBag, ObjectsAreStoredAsTheRecordOfWhatTheySave)
{
    ObjectPtr<toy::CToy> font = MakeObject<toy::CToy>();
    font->value = 9;
    font->greeting = "宋体";
    PropertyBag bag;
    bag.Write("Font", Variant(ObjectHandle(font)));
    EXPECT_EQ(FormatLiteral(bag.Read("Font")), "CToy{Value=9, Greeting=\"宋体\"}");

    // Equal to a default object that saves the same: not stored.
    ObjectPtr<toy::CToy> ambient = MakeObject<toy::CToy>();
    ambient->value = 9;
    ambient->greeting = "宋体";
    bag.Write("Font", Variant(ObjectHandle(font)), Variant(ObjectHandle(ambient)));
    EXPECT_TRUE(bag.Empty());
}

TEST(PropertyBag, RefusesKeysAndValuesThatCouldNotBeSaved)
{
    PropertyBag bag;
    for (const char *key : {"", "A=B", " Lead", "Trail ", "#Comment", "Line\nBreak"})
        EXPECT_THROW(bag.Write(key, 1), AutomationError) << key;
    EXPECT_THROW(bag.Write("Key", Variant::MissingArg()), AutomationError);
    EXPECT_TRUE(bag.Empty());
    bag.Write("With Space.And-Dots_1", 1);
    EXPECT_EQ(bag.Size(), 1u);
}

TEST(PropertyBag, ByReferenceValuesAreStoredAsTheirTargets)
{
    Variant target("x");
    PropertyBag bag;
    bag.Write("K", Variant::Ref(target));
    target = Variant("changed later");
    EXPECT_EQ(bag.Read("K"), Variant("x"));
}

} // namespace
