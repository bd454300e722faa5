// What a library's type library holds beyond member tables: class identities and enumerations, how
// they are checked when declared, and their C description.
#include "platform/automation/AbiTypeLibrary.h"
#include "platform/automation/ClassInfo.h"
#include "platform/automation/ClassRegistry.h"
#include "toy/ToyClasses.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace corvane;

namespace
{

TEST(TypeLibrary, UuidsAreInRegistryForm)
{
    const struct {
        const char *text;
        bool valid;
    } cases[] = {
        {"{3763433C-C708-42B2-A930-8C4A5FA79227}", true},
        {"{00000000-0000-0000-0000-000000000000}", true},
        {"3763433C-C708-42B2-A930-8C4A5FA79227", false}, // no braces
        {"{3763433c-c708-42b2-a930-8c4a5fa79227}", false}, // lower case
        {"{3763433C-C708-42B2-A930-8C4A5FA7922}", false}, // a digit short
        {"{3763433C-C708-42B2-A930-8C4A5FA792277}", false},
        {"{3763433CC708-42B2-A930-8C4A5FA79227-}", false}, // dash misplaced
        {"{3763433G-C708-42B2-A930-8C4A5FA79227}", false},
        {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsUuidText(c.text), c.valid) << c.text;
}

constexpr const char *kUuidA = "{11111111-2222-3333-4444-555555555555}";
constexpr const char *kUuidB = "{11111111-2222-3333-4444-555555555556}";
constexpr const char *kUuidC = "{11111111-2222-3333-4444-555555555557}";

void Nop(AutomationObject &, std::span<Variant>, Variant &) { }
constexpr MemberInfo kOneMember[] = {Method("A", 1, {}, types::None, Nop)};
constexpr EventInfo kOneEvent[] = {{"E", 1, {}}};

// An identity names the class and gives it and its interface UUIDs; its events interface is there
// exactly when the class has events.
TEST(TypeLibrary, ClassIdentitiesMustBeWhole)
{
    const ClassIdentity whole{"T", kUuidA, kUuidB, "__T", kUuidC};
    EXPECT_STREQ(ClassInfo("_T", {kOneMember}, kOneEvent, "", whole).Identity().eventsUuid, kUuidC);
    EXPECT_STREQ(ClassInfo("_T", {kOneMember}).Identity().className, ""); // none at all is fine
    EXPECT_NO_THROW(ClassInfo("_T", {kOneMember}, {}, "", {"T", kUuidA, kUuidB, "", ""}));

    const ClassIdentity broken[] = {
        {"T", kUuidA, "", "__T", kUuidC}, // no interface UUID
        {"", kUuidA, kUuidB, "__T", kUuidC}, // no class name
        {"T", "{11111111-2222-3333-4444}", kUuidB, "__T", kUuidC},
        {"T", kUuidA, kUuidB, "", ""}, // the class has events but no events interface
        {"T", kUuidA, kUuidB, "__T", ""},
        {"T", kUuidA, kUuidB, "__T", nullptr},
    };
    for (const ClassIdentity &id : broken)
        EXPECT_THROW(ClassInfo("_T", {kOneMember}, kOneEvent, "", id), std::logic_error)
            << id.className << " " << id.interfaceUuid;
    EXPECT_THROW(ClassInfo("_T", {kOneMember}, {}, "", whole), std::logic_error); // events on a class without
}

TEST(TypeLibrary, EnumerationsAreCheckedWhenRegistered)
{
    static constexpr EnumMemberInfo kGood[] = {{"Flat", 0}, {"3D", 1}};
    static constexpr EnumMemberInfo kNameless[] = {{"Flat", 0}, {"", 1}};
    static constexpr EnumMemberInfo kRepeated[] = {{"Flat", 0}, {"FLAT", 1}};
    ClassRegistry registry;
    registry.RegisterEnum({"Look", kUuidA, kGood});
    const EnumInfo refused[] = {
        {"", kUuidB, kGood},
        {"Other", "not a UUID", kGood},
        {"Other", kUuidB, {}},
        {"Other", kUuidB, kNameless},
        {"Other", kUuidB, kRepeated},
        {"LOOK", kUuidB, kGood}, // the name is taken
    };
    for (const EnumInfo &e : refused)
        EXPECT_THROW(registry.RegisterEnum(e), std::logic_error) << e.name;
    ASSERT_EQ(registry.Enums().size(), 1u);
    EXPECT_STREQ(registry.Enums()[0].members[1].name, "3D");
}

ObjectHandle CreateNothing()
{
    return nullptr;
}

// The C description leaves out classes without identities and follows later registrations, while the
// descriptions handed out before stay valid.
TEST(TypeLibrary, TheCDescriptionFollowsTheRegistrations)
{
    ClassRegistry registry;
    registry.Register({"Test.Toy", CreateNothing, toy::CToy::Info});
    registry.Register({"Test.Twin", CreateNothing, toy::CToyTwin::Info}); // publishes no identities
    registry.RegisterEnum(toy::kToyShade);
    const corv_type_library &lib = corvane::abi::DescribeTypeLibrary(registry);
    EXPECT_EQ(lib.size, sizeof(corv_type_library));
    ASSERT_EQ(lib.class_count, 1u);
    EXPECT_STREQ(lib.classes[0].progid, "Test.Toy");
    EXPECT_EQ(&corvane::abi::DescribeTypeLibrary(registry), &lib); // nothing new: the same table

    static constexpr EnumMemberInfo kMore[] = {{"One", 1}};
    registry.RegisterEnum({"More", kUuidA, kMore});
    const corv_type_library &later = corvane::abi::DescribeTypeLibrary(registry);
    ASSERT_EQ(later.enum_count, 2u);
    EXPECT_STREQ(later.enums[1].name, "More");
    EXPECT_EQ(later.enums[1].members[0].value, 1);
    ASSERT_EQ(lib.enum_count, 1u);
    EXPECT_STREQ(lib.enums[0].members[1].name, "Dark Grey");
}

} // namespace
