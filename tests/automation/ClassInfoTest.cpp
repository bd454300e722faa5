#include "platform/automation/ClassInfo.h"
#include "ErrorOf.h"
#include "platform/automation/AutomationError.h"
#include "toy/ToyClasses.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace corvane;

namespace
{

void Nop(AutomationObject &, std::span<Variant>, Variant &) { }

TEST(ClassInfo, FindsMembersByIdAndKindAndNamesIgnoringCase)
{
    const ClassInfo &info = toy::CToy::Info();
    ASSERT_NE(info.Find(toy::kGreeting, InvokeKind::PropertyPut), nullptr);
    EXPECT_STREQ(info.Find(toy::kGreeting, InvokeKind::PropertyPut)->name, "Greeting");
    EXPECT_EQ(info.Find(toy::kGreeting, InvokeKind::Method), nullptr);
    EXPECT_EQ(info.Find(0x7777, InvokeKind::Method), nullptr);

    EXPECT_EQ(info.IdOfName("splitdate"), toy::kSplitDate);
    EXPECT_EQ(info.IdOfName("GREETING"), toy::kGreeting);
    EXPECT_EQ(info.IdOfName("Greet"), std::nullopt);
    EXPECT_EQ(info.EventIdOfName("ping"), toy::kPing);
    ASSERT_NE(info.FindEvent(toy::kPing), nullptr);
    EXPECT_EQ(info.FindEvent(toy::kPing)->params.size(), 2u);
}

TEST(ClassInfo, KeepsTheMembersInInterfaceOrder)
{
    const auto members = toy::CToy::Info().Members();
    ASSERT_GE(members.size(), 3u);
    EXPECT_STREQ(members[0].name, "Value");
    EXPECT_EQ(members[0].kind, InvokeKind::PropertyGet);
    EXPECT_EQ(members[1].kind, InvokeKind::PropertyPut);
    EXPECT_STREQ(members.back().name, "Fail");
}

TEST(ClassInfo, ResolvesRequestsAndNamesTheWrongKinds)
{
    const ClassInfo &info = toy::CToy::Info();
    EXPECT_EQ(info.Resolve(toy::kAdd, InvokeKind::Method | InvokeKind::PropertyGet).kind, InvokeKind::Method);
    EXPECT_EQ(info.Resolve(toy::kValue, InvokeKind::Method | InvokeKind::PropertyGet).kind, InvokeKind::PropertyGet);
    EXPECT_EQ(ErrorOf([&] { info.Resolve(toy::kCount, InvokeKind::PropertyPut); }), 383);
    EXPECT_EQ(ErrorOf([&] { info.Resolve(toy::kSecret, InvokeKind::PropertyGet); }), 394);
    EXPECT_EQ(ErrorOf([&] { info.Resolve(toy::kAdd, InvokeKind::PropertyPut); }), 438);
    EXPECT_EQ(ErrorOf([&] { info.Resolve(0x7777, InvokeKind::Method); }), 438);
}

TEST(ClassInfo, SharedMembersTakeEachClassesIdsNamesAndHelp)
{
    const ClassInfo &twin = toy::CToyTwin::Info();
    const MemberInfo *split = twin.Find(toy::kTwinSplitDate, InvokeKind::Method);
    ASSERT_NE(split, nullptr);
    EXPECT_STREQ(split->name, "SplitDate");
    EXPECT_STREQ(split->params[0].name, "Moment");
    EXPECT_STREQ(split->help, "Parts of a moment.");
    const MemberInfo *original = toy::CToy::Info().Find(toy::kSplitDate, InvokeKind::Method);
    EXPECT_STREQ(original->params[0].name, "When");
    EXPECT_EQ(split->call, original->call);
}

TEST(ClassInfo, MalformedTablesAreRefused)
{
    static constexpr ParamInfo kOptionalThenRequired[] = {{"A", types::I4, kOptional}, {"B", types::I4}};
    static constexpr MemberInfo kTwiceSameKind[] = {PropertyGet("A", 1, types::I4, Nop),
                                                    PropertyGet("B", 1, types::I4, Nop)};
    static constexpr MemberInfo kNameUnderTwoIds[] = {Method("A", 1, {}, types::None, Nop),
                                                      Method("a", 2, {}, types::None, Nop)};
    static constexpr MemberInfo kNoAccessor[] = {Method("A", 1, {}, types::None, nullptr)};
    static constexpr MemberInfo kBadParams[] = {Method("A", 1, kOptionalThenRequired, types::None, Nop)};
    static constexpr EventInfo kEventsTwice[] = {{"E", 1, {}}, {"e", 2, {}}};

    EXPECT_THROW(ClassInfo("T", {kTwiceSameKind}), std::logic_error);
    EXPECT_THROW(ClassInfo("T", {kNameUnderTwoIds}), std::logic_error);
    EXPECT_THROW(ClassInfo("T", {kNoAccessor}), std::logic_error);
    EXPECT_THROW(ClassInfo("T", {kBadParams}), std::logic_error);
    EXPECT_THROW(ClassInfo("T", {}, kEventsTwice), std::logic_error);
    // The same member in two groups is a repeat too.
    static constexpr MemberInfo kOne[] = {Method("A", 1, {}, types::None, Nop)};
    EXPECT_THROW(ClassInfo("T", {kOne, kOne}), std::logic_error);
}

TEST(ClassInfo, LooksUpManyMembersByBinarySearch)
{
    // A wide table, out of id order, as a real control's is.
    static const auto members = [] {
        std::vector<MemberInfo> list;
        static std::vector<std::string> names;
        names.reserve(200);
        for (int i = 0; i < 200; ++i)
            names.push_back("Member" + std::to_string(i));
        for (int i = 0; i < 200; ++i)
            list.push_back(Method(names[std::size_t(i)].c_str(), (i * 7919) % 200 - 100, {}, types::None, Nop));
        return list;
    }();
    const ClassInfo info("Wide", {members});
    for (const MemberInfo &m : members) {
        ASSERT_EQ(info.Find(m.id, InvokeKind::Method), &info.Members()[std::size_t(&m - members.data())]);
        ASSERT_EQ(info.IdOfName(m.name), m.id);
    }
}

} // namespace
