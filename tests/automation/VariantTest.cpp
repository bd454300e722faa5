#include "platform/automation/Variant.h"
#include "ErrorOf.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace
{

TEST(Variant, EachConstructorGivesItsTypeAndTypedAccessRefusesOthers)
{
    EXPECT_EQ(Variant().Type(), VarType::Empty);
    EXPECT_EQ(Variant(std::int16_t(5)).Type(), VarType::I2);
    EXPECT_EQ(Variant(5).Type(), VarType::I4);
    EXPECT_EQ(Variant(1.5f).Type(), VarType::R4);
    EXPECT_EQ(Variant(1.5).Type(), VarType::R8);
    EXPECT_EQ(Variant::FromDate(37456).Type(), VarType::Date);
    EXPECT_EQ(Variant(true).Type(), VarType::Bool);
    EXPECT_EQ(Variant("text").Type(), VarType::String); // not Bool, though a pointer converts to bool
    EXPECT_EQ(Variant(Record("T")).Type(), VarType::Record);
    EXPECT_EQ(Variant::Nothing().Type(), VarType::Object);
    EXPECT_EQ(Variant::MissingArg().Type(), VarType::Missing);

    EXPECT_EQ(Variant::FromDate(37456).AsDate(), 37456);
    EXPECT_EQ(ErrorOf([] { (void)Variant::FromDate(37456).AsR8(); }),
              13); // a date is not a double
    EXPECT_EQ(ErrorOf([] { (void)Variant(5).AsI2(); }), 13);
}

TEST(Variant, EqualityIsExactTypeAndValue)
{
    EXPECT_EQ(Variant(5), Variant(5));
    EXPECT_NE(Variant(5), Variant(std::int16_t(5)));
    EXPECT_NE(Variant(37456.0), Variant::FromDate(37456));
    EXPECT_NE(Variant(), Variant::MissingArg());
    Record a("T");
    a.Add("X", 1);
    Record b = a;
    EXPECT_EQ(Variant(a), Variant(b));
    b[0].value = 2;
    EXPECT_NE(Variant(a), Variant(b));
}

TEST(Variant, ByReferenceReadsAndWritesTheTargetKeepingItsType)
{
    Variant target(std::int16_t(3));
    Variant ref = Variant::Ref(target);
    EXPECT_TRUE(ref.IsByRef());
    EXPECT_EQ(ref.Type(), VarType::I2);
    EXPECT_EQ(ref.AsI2(), 3);

    ref.Assign(Variant(7.5)); // rounds half to even into the I2
    EXPECT_EQ(target, Variant(std::int16_t(8)));

    // A failed conversion leaves the target as it was.
    EXPECT_EQ(ErrorOf([&] { ref.Assign(Variant("abc")); }), 13);
    EXPECT_EQ(ErrorOf([&] { ref.Assign(Variant(40000)); }), 6);
    EXPECT_EQ(target, Variant(std::int16_t(8)));

    // A reference to a reference refers to the original.
    Variant again = Variant::Ref(ref);
    again.Assign(Variant(std::int16_t(1)));
    EXPECT_EQ(target.AsI2(), 1);

    // Copies of a by-reference variant still refer to the same target.
    Variant copy = ref;
    copy.Assign(Variant(std::int16_t(2)));
    EXPECT_EQ(target.AsI2(), 2);
}

TEST(Variant, AnEmptyOrMissingTargetTakesTheValueAsItIs)
{
    Variant empty;
    Variant::Ref(empty).Assign(Variant("x"));
    EXPECT_EQ(empty, Variant("x"));
    Variant missing = Variant::MissingArg();
    Variant::Ref(missing).Assign(Variant(1.5));
    EXPECT_EQ(missing, Variant(1.5));
}

TEST(Variant, AssignOnAPlainVariantReplacesIt)
{
    Variant v(std::int16_t(1));
    v.Assign(Variant("now a string"));
    EXPECT_EQ(v, Variant("now a string"));
}

TEST(Record, FieldsKeepTheirOrderAndAreFoundIgnoringCase)
{
    Record r("QxAgrDateNum");
    r.Add("AgrFactYear", std::int16_t(2002));
    r.Add("AgrMonth", std::int16_t(6));
    ASSERT_EQ(r.Size(), 2u);
    EXPECT_EQ(r[0].name, "AgrFactYear");
    ASSERT_NE(r.Find("agrmonth"), nullptr);
    EXPECT_EQ(r.Find("AGRMONTH")->AsI2(), 6);
    EXPECT_EQ(r.Find("AgrDay"), nullptr);
    EXPECT_EQ(ErrorOf([&] { (void)r.At("AgrDay"); }), 9);
    EXPECT_EQ(ErrorOf([&] { (void)r[2]; }), 9);
}

} // namespace
