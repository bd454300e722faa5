#include "platform/automation/AutomationError.h"
#include "platform/automation/VariantLiteral.h"
#include "toy/ToyClasses.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace corvane;
using toy::CToy;

namespace
{

class MemberDispatch : public ::testing::Test
{
protected:
    Variant Call(DispId id, InvokeKind kind, std::vector<Variant> args)
    {
        Variant result;
        object->Invoke(id, kind, args, result);
        return result;
    }
    Variant Call(DispId id, std::vector<Variant> args = {})
    {
        return Call(id, InvokeKind::Method | InvokeKind::PropertyGet, std::move(args));
    }
    int ErrorOf(DispId id, InvokeKind kind, std::vector<Variant> args, std::string *description = nullptr)
    {
        try {
            Call(id, kind, std::move(args));
        } catch (const AutomationError &e) {
            if (description)
                *description = e.description();
            return e.number();
        }
        return 0;
    }

    ObjectPtr<CToy> object = MakeObject<CToy>();
};

TEST_F(MemberDispatch, ConvertsArgumentsToTheDeclaredTypes)
{
    EXPECT_EQ(Call(toy::kAdd, {Variant(std::int16_t(2)), Variant("40")}), Variant(42));
    EXPECT_EQ(Call(toy::kAdd, {Variant(2.5), Variant(true)}), Variant(1)); // 2 + (-1)
    Call(toy::kStamp, InvokeKind::PropertyPut, {Variant("2002-07-19")});
    EXPECT_EQ(Call(toy::kStamp), Variant::FromDate(37456));
}

TEST_F(MemberDispatch, LeftOutOptionalArgumentsArriveAsMissing)
{
    EXPECT_EQ(Call(toy::kAdd, {Variant(5)}), Variant(5));
    EXPECT_EQ(Call(toy::kAdd, {Variant(5), Variant::MissingArg()}), Variant(5));
    // SplitDate treats a missing date as the zero date, 1899-12-30.
    const Record parts = Call(toy::kSplitDate).AsRecord();
    EXPECT_EQ(parts.At("Year"), Variant(std::int16_t(1899)));
}

TEST_F(MemberDispatch, CountAndTypeErrorsCarryTheirNumbers)
{
    struct Case {
        DispId id;
        InvokeKind kind;
        std::vector<Variant> args;
        int error;
    };
    const Case cases[] = {
        {toy::kAdd, InvokeKind::Method, {}, 450},
        {toy::kAdd, InvokeKind::Method, {Variant(1), Variant(2), Variant(3)}, 450},
        {toy::kAdd, InvokeKind::Method, {Variant::MissingArg(), Variant(2)}, 449},
        {toy::kAdd, InvokeKind::Method, {Variant("x"), Variant(2)}, 13},
        {toy::kAdd, InvokeKind::Method, {Variant(3e9)}, 6},
        {toy::kValue, InvokeKind::PropertyPut, {}, 450},
        {toy::kValue, InvokeKind::PropertyPut, {Variant(1), Variant(2)}, 450},
        {toy::kValue, InvokeKind::PropertyPut, {Variant::MissingArg()}, 449},
        {toy::kValue, InvokeKind::PropertyGet, {Variant(1)}, 450},
        {toy::kCount, InvokeKind::PropertyPut, {Variant(1)}, 383},
        {toy::kSecret, InvokeKind::PropertyGet, {}, 394},
        {0x7777, InvokeKind::Method, {}, 438},
        {toy::kJoinParts, InvokeKind::Method, {Variant(5)}, 13},
        {toy::kJoinParts, InvokeKind::Method, {ParseLiteral("Other{1, 2, 3}")}, 13},
        {toy::kJoinParts, InvokeKind::Method, {ParseLiteral("ToyParts{1, 2, 3, 4, 5, 6}")}, 13},
        {toy::kJoinParts, InvokeKind::Method, {ParseLiteral("ToyParts{Year=1, Nope=2}")}, 13},
        {toy::kJoinParts, InvokeKind::Method, {ParseLiteral("ToyParts{Year=40000}")}, 6},
        {toy::kFail, InvokeKind::Method, {Variant(9)}, 9},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ErrorOf(c.id, c.kind, c.args), c.error) << "member " << c.id;
}

TEST_F(MemberDispatch, DatesOutOfRangeAreOverflowEvenWhenTheyArriveAsDates)
{
    Call(toy::kStamp, InvokeKind::PropertyPut, {Variant::FromDate(37456.5)});
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          2958466.0, // 10000-01-01
                          -657435.0, // before 0100-01-01
                          1e300};
    for (const double days : bad) {
        SCOPED_TRACE(days);
        Variant date = Variant::FromDate(days);
        // As a property value, a by-value argument and a by-reference one.
        EXPECT_EQ(ErrorOf(toy::kStamp, InvokeKind::PropertyPut, {date}), 6);
        EXPECT_EQ(ErrorOf(toy::kSplitDate, InvokeKind::Method, {date}), 6);
        EXPECT_EQ(ErrorOf(toy::kSplitDate, InvokeKind::Method, {Variant::Ref(date)}), 6);
        // Converted from another type, as before.
        EXPECT_EQ(ErrorOf(toy::kStamp, InvokeKind::PropertyPut, {Variant(days)}), 6);
        EXPECT_EQ(Call(toy::kStamp), Variant::FromDate(37456.5));
    }
    // The last moments of the range are dates.
    Call(toy::kStamp, InvokeKind::PropertyPut, {Variant::FromDate(2958465.99)});
    Call(toy::kStamp, InvokeKind::PropertyPut, {Variant::FromDate(-657434.99)});
    EXPECT_EQ(Call(toy::kStamp), Variant::FromDate(-657434.99));
}

TEST_F(MemberDispatch, ErrorsNameTheArgumentAndTheMember)
{
    std::string description;
    ASSERT_EQ(ErrorOf(toy::kAdd, InvokeKind::Method, {Variant(1), Variant("x")}, &description), 13);
    EXPECT_NE(description.find("argument B of Add"), std::string::npos) << description;
    ASSERT_EQ(ErrorOf(toy::kAdd, InvokeKind::Method, {}, &description), 450);
    EXPECT_NE(description.find("Add takes 1 to 2 arguments, given 0"), std::string::npos) << description;
}

TEST_F(MemberDispatch, RecordsArePositionalOrNamedAndComeBackInTheirDeclaredShape)
{
    // 2001-04-01 given positionally, by name in another order, and untyped.
    for (const char *literal : {"ToyParts{2001, 4, 1}", "ToyParts{Day=1, Month=4, Year=2001}", "{2001, 4, 1, 0, 0}"})
        EXPECT_EQ(Call(toy::kJoinParts, {ParseLiteral(literal)}), Variant::FromDate(36982)) << literal;

    const Record parts = Call(toy::kSplitDate, {Variant::FromDate(37456)}).AsRecord();
    EXPECT_EQ(FormatLiteral(Variant(parts)),
              "ToyParts{Year=i2:2002, Month=i2:7, Day=i2:19, Weekday=i2:6, DayOfYear=i2:200}");
}

TEST_F(MemberDispatch, ByReferenceArgumentsAreWrittenBackWhenTheTypesAgree)
{
    Variant value(2.5);
    Call(toy::kScale, {Variant(4), Variant::Ref(value)});
    EXPECT_EQ(value, Variant(10.0));

    // A by-reference argument of another type gets a converted copy; the caller's variable stays.
    Variant text("3");
    Call(toy::kScale, {Variant(2), Variant::Ref(text)});
    EXPECT_EQ(text, Variant("3"));

    // A by-reference argument for a by-value parameter is read, never written.
    Variant a(20);
    EXPECT_EQ(Call(toy::kAdd, {Variant::Ref(a), Variant(1)}), Variant(21));
    EXPECT_EQ(a, Variant(20));
}

TEST_F(MemberDispatch, SharedMembersWorkOnEveryClassThatListsThem)
{
    const ObjectHandle twin = toy::CToyTwin::Create();
    Variant result;
    std::vector<Variant> args{Variant::FromDate(37456)};
    twin->Invoke(toy::kTwinSplitDate, InvokeKind::Method, args, result);
    EXPECT_EQ(result.AsRecord().At("DayOfYear"), Variant(std::int16_t(200)));
    std::vector<Variant> none;
    EXPECT_THROW(twin->Invoke(toy::kSplitDate, InvokeKind::Method, none, result), AutomationError);
}

TEST_F(MemberDispatch, AnObjectResultSharesTheObject)
{
    const Variant self = Call(toy::kSelf);
    EXPECT_EQ(self.AsObject().get(), object.get());
    EXPECT_EQ(object->RefCount(), 2u);
}

} // namespace
