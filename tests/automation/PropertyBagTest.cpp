#include "platform/automation/PropertyBag.h"
#include "BagKeys.h"
#include "ErrorOf.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBagFile.h"
#include "platform/automation/VariantLiteral.h"
#include "toy/ToyClasses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace corvane;

namespace
{

TEST(PropertyBag, AnAbsentKeyReadsAsItsDefault)
{
    PropertyBag bag;
    bag.Write("CurrDate", Variant::FromDate(37299));
    EXPECT_EQ(bag.Read("CurrDate", Variant::FromDate(367)), Variant::FromDate(37299));
    EXPECT_EQ(bag.Read("Caption", "QxMonthVw"), Variant("QxMonthVw"));
}

TEST(PropertyBag, KeysIgnoreCaseLikeMemberNames)
{
    PropertyBag bag;
    for (const char *key : {"Appearance", "CurrDate", "ForeColor", "Caption"})
        bag.Write(key, 1);
    bag.Write("currdate", Variant::FromDate(367)); // replaces in place, in the new spelling
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"Appearance", "currdate", "ForeColor", "Caption"}));
    EXPECT_EQ(bag.Read("CURRDATE"), Variant::FromDate(367));

    bag.Remove("APPEARANCE"); // the keys after a removed one are still found
    for (const char *key : {"currDate", "foreCOLOR", "caption"})
        EXPECT_NE(bag.Find(key), nullptr) << key;
    bag.Write("ForeColor", 0, 0);
    EXPECT_EQ(BagKeys(bag), (std::vector<std::string>{"currdate", "Caption"}));
    EXPECT_EQ(bag.Read("CAPTION"), Variant(1));
    // Only ASCII letters fold; other characters compare as they are.
    bag.Write("Ä", 1);
    EXPECT_EQ(bag.Find("ä"), nullptr);
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

// Records nested `depth` levels, the innermost holding `inner`.
Variant Nested(int depth, const Variant &inner)
{
    Variant value = inner;
    for (int i = 0; i < depth; ++i) {
        Record record("T");
        record.Add("x", value);
        value = Variant(std::move(record));
    }
    return value;
}

TEST(PropertyBag, RefusesValuesThatCouldBeSavedButNeverLoaded)
{
    struct Case {
        const char *name;
        Variant value;
        int error;
    };
    Record badName("Has Space");
    Record badField("T");
    badField.Add("no good", 1);
    const Case cases[] = {
        {"NaN date", Variant::FromDate(std::numeric_limits<double>::quiet_NaN()), 6},
        {"infinite date", Variant::FromDate(std::numeric_limits<double>::infinity()), 6},
        {"-infinite date", Variant::FromDate(-std::numeric_limits<double>::infinity()), 6},
        {"date after 9999", Variant::FromDate(2958466.0), 6},
        {"date before 100", Variant::FromDate(-657435.0), 6},
        {"record holding a NaN date", Nested(1, Variant::FromDate(std::nan(""))), 6},
        {"records too deep", Nested(kMaxRecordDepth + 1, Variant(1)), 5},
        {"record type name", Variant(badName), 5},
        {"record field name", Variant(badField), 5},
    };
    for (const Case &c : cases) {
        PropertyBag bag;
        bag.Write("Kept", 1);
        EXPECT_EQ(ErrorOf([&] { bag.Write("Value", c.value); }), c.error) << c.name;
        EXPECT_EQ(ErrorOf([&] { bag.Write("Kept", c.value); }), c.error) << c.name;
        EXPECT_EQ(BagKeys(bag), std::vector<std::string>{"Kept"}) << c.name;
        EXPECT_EQ(bag.Read("Kept"), Variant(1)) << c.name;
    }
    // The edges that can be written load back.
    PropertyBag bag;
    bag.Write("Deep", Nested(kMaxRecordDepth, Variant::FromDate(2958465.999988426)));
    bag.Write("Early", Variant::FromDate(-657434.0));
    EXPECT_EQ(ParsePropertyBag(FormatPropertyBag(bag)), bag);
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
