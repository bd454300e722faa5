#include "platform/automation/PropertyBagFile.h"
#include "TempDir.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/TextFile.h"
#include "platform/automation/VariantLiteral.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using namespace corvane;

namespace
{

PropertyBag SampleBag()
{
    Record font("StdFont");
    font.Add("Name", "宋体");
    font.Add("Size", 9.0f);
    font.Add("Bold", false);
    font.Add("Italic", true);
    PropertyBag bag;
    bag.Write("Appearance", std::int16_t(1));
    bag.Write("BackColor", std::int32_t(0x80000005));
    bag.Write("Enabled", false);
    bag.Write("Font", Variant(font));
    bag.Write("Caption", "1901年01月01日 星期二\n\"quoted\"\t\\");
    bag.Write("CurrDate", Variant::FromDate(37456.4375));
    bag.Write("Odd Date", Variant::FromDate(37456.1234567));
    bag.Write("Ratio", 0.1);
    bag.Write("Empty", Variant());
    return bag;
}

TEST(PropertyBagFile, SavesReadableLinesAndLoadsThemBackExactly)
{
    TempDir dir;
    const PropertyBag bag = SampleBag();
    SavePropertyBag(bag, dir / "sub/control.bag");

    const std::string text = ReadTextFile(dir / "sub/control.bag");
    EXPECT_EQ(text,
              "# Corvane property bag\n"
              "Appearance = i2:1\n"
              "BackColor = -2147483643\n"
              "Enabled = false\n"
              "Font = StdFont{Name=\"宋体\", Size=r4:9, Bold=false, Italic=true}\n"
              "Caption = \"1901年01月01日 星期二\\n\\\"quoted\\\"\\t\\\\\"\n"
              "CurrDate = 2002-07-19T10:30:00\n"
              "Odd Date = date:37456.1234567\n"
              "Ratio = r8:0.1\n"
              "Empty = empty\n");

    PropertyBag loaded;
    LoadPropertyBag(loaded, dir / "sub/control.bag");
    EXPECT_EQ(loaded, bag);
}

TEST(PropertyBagFile, SkipsCommentsBlankLinesAndCarriageReturns)
{
    const PropertyBag bag = ParsePropertyBag("\r\n# saved by hand\r\n  \r\n  CurrDate=1901-01-01  \r\n#x = 1\n");
    ASSERT_EQ(bag.Size(), 1u);
    EXPECT_EQ(bag.Read("CurrDate"), Variant::FromDate(367));
}

struct MalformedCase {
    std::string text;
    std::string message;
};

// "{{...}}" nested `depth` levels.
std::string Braces(int depth)
{
    return std::string(std::size_t(depth), '{') + std::string(std::size_t(depth), '}');
}

TEST(PropertyBagFile, AMalformedFileNamesItsLineAndLeavesTheBagAsItWas)
{
    const std::vector<MalformedCase> cases = {
        {"A = 1\nno equals sign\n", "line 2: expected \"Key = value\""},
        {"A = 1\n = 2\n", "line 2: bad key \"\""},
        {"A = 1\nA = 2\n", "line 2: key \"A\" repeated"},
        {"# c\n\nA = i2:99999\n", "line 3: value out of range at column 4"},
        {"A = \"open\n", "line 1: unterminated text at column 1"},
        {"A = 1 2\n", "line 1: unexpected text at column 3"},
        {"A = \xFF\n", "line 1: not valid UTF-8"},
        {"A = missing\n", "line 1: a missing value cannot be stored"},
        {"A = nothing\nB = T{1,}\n", "line 2: unexpected character at column 5"},
        {"A = 1\na = 2\n", "line 2: key \"a\" repeated (as \"A\"; keys ignore case)"},
        // Nesting that used to overflow the stack.
        {"A = 1\nX = " + Braces(2000) + "\n", "line 2: records nested deeper than 32 levels at column 33"},
        {"X = " + Braces(20000) + "\n", "line 1: records nested deeper than 32 levels"},
        {"X = " + Braces(33) + "\n", "line 1: records nested deeper than 32 levels"},
        {"X = T{U{" + Braces(31) + "}}\n", "line 1: records nested deeper than 32 levels"},
    };
    TempDir dir;
    for (const MalformedCase &c : cases) {
        {
            std::ofstream out(dir / "bad.bag", std::ios::binary | std::ios::trunc);
            out << c.text;
        }
        PropertyBag bag;
        bag.Write("Kept", 1);
        try {
            LoadPropertyBag(bag, dir / "bad.bag");
            ADD_FAILURE() << "loaded: " << c.text.substr(0, 80);
        } catch (const AutomationError &e) {
            EXPECT_EQ(e.number(), 321) << c.text.substr(0, 80);
            EXPECT_NE(e.description().find(c.message), std::string::npos) << e.description();
            EXPECT_NE(e.description().find("bad.bag"), std::string::npos) << e.description();
        }
        EXPECT_EQ(bag.Size(), 1u);
        EXPECT_EQ(bag.Read("Kept"), Variant(1));
    }
}

TEST(PropertyBagFile, RecordsNestUpToTheLimit)
{
    const PropertyBag bag = ParsePropertyBag("X = " + Braces(32) + "\n");
    const Variant *value = bag.Find("X");
    ASSERT_NE(value, nullptr);
    int depth = 0;
    for (const Variant *v = value; v->Type() == VarType::Record && v->AsRecord().Size() == 1;
         v = &v->AsRecord()[0].value)
        ++depth;
    EXPECT_EQ(depth, 31); // the innermost is empty
    EXPECT_EQ(ParsePropertyBag(FormatPropertyBag(bag)), bag);
}

TEST(PropertyBagFile, MissingAndUnreadableFilesHaveTheirOwnErrors)
{
    TempDir dir;
    PropertyBag bag;
    try {
        LoadPropertyBag(bag, dir / "absent.bag");
        ADD_FAILURE();
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 53);
    }
    try {
        LoadPropertyBag(bag, dir.Path());
        ADD_FAILURE();
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 75);
    }
    // Saving over a folder fails without leaving a temporary file behind.
    std::filesystem::create_directory(dir / "taken");
    EXPECT_THROW(SavePropertyBag(SampleBag(), dir / "taken"), AutomationError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

} // namespace
