#include "platform/automation/VariantCoercion.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/VariantLiteral.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace corvane;

namespace
{

// The error number a conversion fails with, 0 for none.
int ErrorOf(const Variant &from, VarType to)
{
    try {
        (void)ChangeType(from, to);
    } catch (const AutomationError &e) {
        return e.number();
    }
    return 0;
}

struct ConversionCase {
    Variant from;
    VarType to;
    Variant expected;
};

TEST(VariantCoercion, ConvertsBetweenScalarsByTheAutomationRules)
{
    const ConversionCase cases[] = {
        // Reals to integers round half to even.
        {Variant(2.5), VarType::I2, Variant(std::int16_t(2))},
        {Variant(3.5), VarType::I2, Variant(std::int16_t(4))},
        {Variant(-2.5), VarType::I4, Variant(-2)},
        {Variant(-3.5), VarType::I4, Variant(-4)},
        {Variant(2.5000001), VarType::I4, Variant(3)},
        {Variant(1.5f), VarType::I2, Variant(std::int16_t(2))},
        {Variant(32767.4), VarType::I2, Variant(std::int16_t(32767))},
        {Variant(-32768.5), VarType::I2, Variant(std::int16_t(-32768))}, // even: stays in range
        // Dates are their day numbers, with the time as fraction.
        {Variant::FromDate(37456.75), VarType::R8, Variant(37456.75)},
        {Variant::FromDate(37456.5), VarType::I4, Variant(37456)},
        {Variant(37456.4375), VarType::Date, Variant::FromDate(37456.4375)},
        {Variant(std::int16_t(367)), VarType::Date, Variant::FromDate(367)},
        // Booleans: true is -1, any non-zero is true.
        {Variant(true), VarType::I2, Variant(std::int16_t(-1))},
        {Variant(false), VarType::R8, Variant(0.0)},
        {Variant(0.25), VarType::Bool, Variant(true)},
        {Variant(0), VarType::Bool, Variant(false)},
        // Empty is zero of every kind.
        {Variant(), VarType::I2, Variant(std::int16_t(0))},
        {Variant(), VarType::Date, Variant::FromDate(0)},
        {Variant(), VarType::String, Variant("")},
        {Variant(), VarType::Bool, Variant(false)},
        // Strings holding numbers, booleans and ISO dates.
        {Variant(" 12.5 "), VarType::I4, Variant(12)},
        {Variant("+7"), VarType::I2, Variant(std::int16_t(7))},
        {Variant("-1e2"), VarType::R8, Variant(-100.0)},
        {Variant("TRUE"), VarType::Bool, Variant(true)},
        {Variant("false"), VarType::Bool, Variant(false)},
        {Variant("3"), VarType::Bool, Variant(true)},
        {Variant("2002-07-19"), VarType::Date, Variant::FromDate(37456)},
        {Variant("2002-07-19 10:30"), VarType::Date, Variant::FromDate(37456.4375)},
        {Variant("37456"), VarType::Date, Variant::FromDate(37456)},
        // Text of numbers, booleans and dates.
        {Variant(std::int16_t(-5)), VarType::String, Variant("-5")},
        {Variant(0.1), VarType::String, Variant("0.1")},
        {Variant(0.1f), VarType::String, Variant("0.1")},
        {Variant(true), VarType::String, Variant("True")},
        {Variant::FromDate(37456), VarType::String, Variant("2002-07-19")},
        {Variant::FromDate(37456.4375), VarType::String, Variant("2002-07-19 10:30:00")},
        // A by-reference value converts its target.
        {Variant(std::int16_t(9)), VarType::Variant, Variant(std::int16_t(9))},
    };
    for (const ConversionCase &c : cases)
        EXPECT_EQ(ChangeType(c.from, c.to), c.expected) << FormatLiteral(c.from) << " -> " << TypeName(c.to);
}

struct FailureCase {
    Variant from;
    VarType to;
    int error;
};

TEST(VariantCoercion, OutOfRangeIsOverflowAndNonsenseIsTypeMismatch)
{
    const FailureCase cases[] = {
        {Variant(32767.5), VarType::I2, 6}, // rounds to 32768
        {Variant(-32768.51), VarType::I2, 6},
        {Variant(40000), VarType::I2, 6},
        {Variant(3e9), VarType::I4, 6},
        {Variant(std::numeric_limits<double>::quiet_NaN()), VarType::I4, 6},
        {Variant(std::numeric_limits<double>::infinity()), VarType::I2, 6},
        {Variant(1e300), VarType::R4, 6},
        {Variant(3e6), VarType::Date, 6}, // after 9999-12-31
        {Variant(-700000.0), VarType::Date, 6}, // before 0100-01-01
        {Variant("abc"), VarType::I4, 13},
        {Variant(""), VarType::R8, 13},
        {Variant("12abc"), VarType::I2, 13},
        {Variant("2002-13-01"), VarType::Date, 13},
        {Variant("yes"), VarType::Bool, 13},
        {Variant("1e999"), VarType::R8, 13},
        {Variant::MissingArg(), VarType::I2, 13},
        {Variant::MissingArg(), VarType::String, 13},
        {Variant(Record("T")), VarType::I4, 13},
        {Variant(Record("T")), VarType::String, 13},
        {Variant::Nothing(), VarType::I4, 13},
        {Variant(5), VarType::Record, 13},
        {Variant(5), VarType::Object, 13},
        {Variant(), VarType::Missing, 13},
    };
    for (const FailureCase &c : cases)
        EXPECT_EQ(ErrorOf(c.from, c.to), c.error) << TypeName(c.from.Type()) << " -> " << TypeName(c.to);
}

TEST(VariantCoercion, ValueOrGivesTheFallbackOnlyForMissing)
{
    EXPECT_EQ(ValueOr(Variant::MissingArg(), std::int16_t(7)), 7);
    EXPECT_EQ(ValueOr(Variant(), std::int16_t(7)), 0); // empty is a value: zero
    EXPECT_EQ(ValueOr(Variant(2.5), std::int32_t(7)), 2);
    EXPECT_EQ(DateOr(Variant::MissingArg(), 367.0), 367.0);
    EXPECT_EQ(DateOr(Variant("2002-07-19"), 367.0), 37456.0);
}

struct EqualityCase {
    Variant a;
    Variant b;
    bool equal;
};

TEST(VariantCoercion, ValuesEqualComparesNumbersAcrossTypes)
{
    Record r1("T");
    r1.Add("X", std::int16_t(1));
    Record r2("T");
    r2.Add("X", 1);
    Record r3("U");
    r3.Add("X", 1);
    const EqualityCase cases[] = {
        {Variant(std::int16_t(1)), Variant(1), true},
        {Variant(1), Variant(1.0f), true},
        {Variant(true), Variant(std::int16_t(-1)), true},
        {Variant::FromDate(367), Variant(367), true},
        {Variant(1), Variant(2), false},
        {Variant(1), Variant("1"), false}, // no text-to-number mixing
        {Variant("a"), Variant("a"), true},
        {Variant("a"), Variant("A"), false},
        {Variant(), Variant(), true},
        {Variant(), Variant(0), false},
        {Variant(r1), Variant(r2), true},
        {Variant(r1), Variant(r3), false},
        {Variant::Nothing(), Variant::Nothing(), true},
    };
    for (const EqualityCase &c : cases)
        EXPECT_EQ(ValuesEqual(c.a, c.b), c.equal) << FormatLiteral(c.a) << " vs " << FormatLiteral(c.b);
}

} // namespace
