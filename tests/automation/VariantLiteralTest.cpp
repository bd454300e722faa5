#include "platform/automation/VariantLiteral.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <type_traits>

using namespace corvane;

namespace
{

Record DateNum(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t leap, std::int16_t bound)
{
    Record r("QxAgrDateNum");
    r.Add("AgrFactYear", year);
    r.Add("AgrMonth", month);
    r.Add("AgrDay", day);
    r.Add("AgrIsLeep", leap);
    r.Add("AgrMonthBound", bound);
    return r;
}

struct LiteralCase {
    Variant value;
    const char *text;
};

TEST(VariantLiteral, FormatsOneCanonicalSpellingThatParsesBackIdentically)
{
    Record font("StdFont");
    font.Add("Name", "宋体");
    font.Add("Size", 9.0f);
    font.Add("Bold", false);
    const LiteralCase cases[] = {
        {Variant(), "empty"},
        {Variant::MissingArg(), "missing"},
        {Variant::Nothing(), "nothing"},
        {Variant(true), "true"},
        {Variant(std::int16_t(-32768)), "i2:-32768"},
        {Variant(-2147483643), "-2147483643"},
        {Variant(1.5f), "r4:1.5"},
        {Variant(0.1), "r8:0.1"},
        {Variant(1.0), "r8:1"},
        {Variant(std::numeric_limits<double>::infinity()), "r8:inf"},
        {Variant::FromDate(367), "1901-01-01"},
        {Variant::FromDate(37456.4375), "2002-07-19T10:30:00"},
        {Variant::FromDate(-1.25), "1899-12-29T06:00:00"},
        {Variant::FromDate(37456.123456789), "date:37456.123456789"}, // not a whole second
        {Variant::FromDate(0), "1899-12-30"},
        {Variant("say \"hi\"\\\n\ttab"), R"("say \"hi\"\\\n\ttab")"},
        {Variant(std::string("bell\x07") + "\x7f"), R"("bell\u0007\u007F")"},
        {Variant("壬午年"), "\"壬午年\""},
        {Variant(DateNum(2002, 6, 10, 0, 6)),
         "QxAgrDateNum{AgrFactYear=i2:2002, AgrMonth=i2:6, AgrDay=i2:10, AgrIsLeep=i2:0, AgrMonthBound=i2:6}"},
        {Variant(font), "StdFont{Name=\"宋体\", Size=r4:9, Bold=false}"},
        {Variant(Record("Empty")), "Empty{}"},
    };
    for (const LiteralCase &c : cases) {
        EXPECT_EQ(FormatLiteral(c.value), c.text);
        EXPECT_EQ(ParseLiteral(c.text), c.value) << c.text;
    }
}

TEST(VariantLiteral, NaNSurvivesTheRoundTripAsNaN)
{
    const Variant parsed = ParseLiteral(FormatLiteral(Variant(std::numeric_limits<float>::quiet_NaN())));
    ASSERT_EQ(parsed.Type(), VarType::R4);
    EXPECT_TRUE(std::isnan(parsed.AsR4()));
}

TEST(VariantLiteral, AcceptsTheFriendlierSpellingsOfTheCommandLine)
{
    const LiteralCase cases[] = {
        {Variant(5), "5"},
        {Variant(5), " +5 "},
        {Variant(3000000000.0), "3000000000"}, // too big for an I4
        {Variant(1.5), "1.5"},
        {Variant(-0.001), "-1e-3"},
        {Variant(std::int16_t(-1)), "I2:0xFFFF"},
        {Variant(std::int32_t(0x80000005)), "i4:0x80000005"},
        {Variant::FromDate(37456.4375), "2002-07-19T10:30"},
        {Variant::FromDate(37456.4375), "date:37456.4375"},
        {Variant(true), "True"},
        {Variant("\xF0\x9F\x98\x80"), R"("\uD83D\uDE00")"},
        {Variant(DateNum(2001, 4, 1, -1, 0)),
         "QxAgrDateNum{AgrFactYear=i2:2001, AgrMonth=i2:4, AgrDay=i2:1, AgrIsLeep=i2:-1, AgrMonthBound=i2:0}"},
    };
    for (const LiteralCase &c : cases)
        EXPECT_EQ(ParseLiteral(c.text), c.value) << c.text;
}

TEST(VariantLiteral, PositionalAndNamedFieldsMix)
{
    const Record r = ParseLiteral("QxAgrDateNum{2001, 4, AgrDay = 1, -1, 0}").AsRecord();
    ASSERT_EQ(r.Size(), 5u);
    EXPECT_EQ(r[0].name, "");
    EXPECT_EQ(r[0].value, Variant(2001));
    EXPECT_EQ(r[2].name, "AgrDay");
    EXPECT_EQ(r[3].value, Variant(-1));
    const Record nested = ParseLiteral("Outer{Inner{x=1}, {2}}").AsRecord();
    EXPECT_EQ(nested[0].value.AsRecord().TypeName(), "Inner");
    EXPECT_EQ(nested[1].value.AsRecord().TypeName(), "");
}

struct BadCase {
    const char *text;
    const char *message; // part of the description, with the column
};

TEST(VariantLiteral, SyntaxErrorsNameTheColumn)
{
    const BadCase cases[] = {
        {"", "expected a value at column 1"},
        {"i2:40000", "value out of range at column 4"},
        {"i2:0x10000", "bad hexadecimal number at column 4"},
        {"i4:1.5", "bad integer at column 4"},
        {"r4:1e39", "value out of range for R4 at column 4"},
        {"x2:5", "unknown type prefix \"x2:\" at column 1"},
        {"maybe", "unknown word \"maybe\" at column 1"},
        {"2002-02-30", "bad number at column 1"},
        {"\"open", "unterminated text at column 1"},
        {"\"a\\qb\"", "unknown escape at column 3"},
        {"\"\\uD800\"", "unpaired surrogate at column 8"},
        {"\"\xC3\x28\"", "not valid UTF-8 at column 2"},
        {"T{1 2}", "expected ',' or '}' at column 5"},
        {"T{1,", "expected a value at column 5"},
        {"5 6", "unexpected text at column 3"},
        {"date:1e9", "date out of range at column 6"},
    };
    for (const BadCase &c : cases) {
        try {
            (void)ParseLiteral(c.text);
            ADD_FAILURE() << "parsed: " << c.text;
        } catch (const AutomationError &e) {
            EXPECT_EQ(e.number(), 5) << c.text;
            EXPECT_NE(e.description().find(c.message), std::string::npos) << c.text << " -> " << e.description();
        }
    }
}

TEST(VariantLiteral, RecordsNestAtMostThirtyTwoLevels)
{
    const auto braces = [](std::size_t depth) { return std::string(depth, '{') + std::string(depth, '}'); };
    EXPECT_EQ(ParseLiteral(braces(32)).Type(), VarType::Record);
    EXPECT_EQ(ParseLiteral("A{x=B{" + braces(30) + "}}").Type(), VarType::Record);
    // Depth is counted, not length: many records side by side are fine.
    std::string wide = "T{";
    for (int i = 0; i < 5000; ++i)
        wide += "{1},";
    EXPECT_EQ(ParseLiteral(wide + "{}}").AsRecord().Size(), 5001u);

    const BadCase cases[] = {
        {"{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}}", "at column 33"},
        {"T{1, U{x="
         "{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{",
         "at column 40"}, // unterminated too
    };
    for (const BadCase &c : cases) {
        try {
            (void)ParseLiteral(c.text);
            ADD_FAILURE() << "parsed: " << c.text;
        } catch (const AutomationError &e) {
            EXPECT_EQ(e.number(), 5);
            EXPECT_NE(e.description().find(std::string("records nested deeper than 32 levels ") + c.message),
                      std::string::npos)
                << e.description();
        }
    }
    for (const std::size_t depth : {2000u, 20000u, 200000u})
        EXPECT_THROW((void)ParseLiteral(braces(depth)), AutomationError) << depth;
}

// Every float and double written and read back, compared bit for bit.
template<class T, class Bits>
void ExpectExactRoundTrip(T value)
{
    const std::string text = FormatLiteral(Variant(value));
    const Variant back = ParseLiteral(text);
    constexpr VarType expected = std::is_same_v<T, float> ? VarType::R4 : VarType::R8;
    ASSERT_EQ(back.Type(), expected) << text;
    const T got = std::is_same_v<T, float> ? T(back.AsR4()) : T(back.AsR8());
    EXPECT_EQ(std::bit_cast<Bits>(got), std::bit_cast<Bits>(value)) << text;
}

template<class T, class Bits>
void SweepRoundTrips()
{
    using L = std::numeric_limits<T>;
    const T edges[] = {T(0),
                       L::min(),
                       L::denorm_min(),
                       L::max(),
                       std::nextafter(L::max(), T(0)),
                       std::nextafter(L::min(), T(0)), // the largest subnormal
                       L::epsilon(),
                       T(1) + L::epsilon(),
                       T(0.1),
                       T(1) / T(3),
                       T(16777217),
                       T(9007199254740993.0),
                       L::infinity()};
    for (const T value : edges) {
        ExpectExactRoundTrip<T, Bits>(value);
        ExpectExactRoundTrip<T, Bits>(-value);
    }
    // Finite bit patterns spread over every exponent, subnormals included.
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const T value = std::bit_cast<T>(Bits(random()));
        if (std::isfinite(value))
            ExpectExactRoundTrip<T, Bits>(value);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(VariantLiteral, EveryFiniteFloatAndDoubleReadsBackBitForBit)
{
    SweepRoundTrips<float, std::uint32_t>();
    SweepRoundTrips<double, std::uint64_t>();
    // The float whose shortest text, 7.038531e-26, lies nearest another float once rounded to a
    // double first (found by trying every float).
    ExpectExactRoundTrip<float, std::uint32_t>(std::bit_cast<float>(0x15AE43FDu));
    ExpectExactRoundTrip<float, std::uint32_t>(std::bit_cast<float>(0x95AE43FDu));
    // Text read straight to single precision: the nearest float, not the float nearest its double.
    EXPECT_EQ(ParseLiteral("r4:3.4028235e38"), Variant(std::numeric_limits<float>::max()));
    EXPECT_EQ(ParseLiteral("r4:3.40282355e38"), Variant(std::numeric_limits<float>::max())); // rounds down
    EXPECT_THROW((void)ParseLiteral("r4:3.5e38"), AutomationError);
}

TEST(VariantLiteral, ValuesWithoutLiteralFormAreRefused)
{
    Record bad("Has Space");
    EXPECT_THROW((void)FormatLiteral(Variant(bad)), AutomationError);
    Record badField("T");
    badField.Add("no good", 1);
    EXPECT_THROW((void)FormatLiteral(Variant(badField)), AutomationError);
}

} // namespace
