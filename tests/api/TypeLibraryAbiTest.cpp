// libcorvane.so's type library as a host reads it through the registry: the published enumerations
// with the values corvane.h names, and the identities of every class it serves.
#include "ScopedRegistry.h"

#include "platform/automation/ClassIdentity.h"

#include "corvane/corvane.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace
{

class TypeLibraryAbi : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(corv_find_type_library("Corvane.CQxCal", &lib), 0) << corv_last_error_message(); }

    const corv_enum_desc *Enum(std::string_view name) const
    {
        for (std::size_t i = 0; i < lib->enum_count; ++i)
            if (name == lib->enums[i].name)
                return &lib->enums[i];
        return nullptr;
    }

    // Every ProgID the build registered.
    static std::vector<std::string> ProgIds()
    {
        corv_registry_entry *entries = nullptr;
        std::size_t count = 0;
        EXPECT_EQ(corv_registry_entries(&entries, &count), 0);
        std::vector<std::string> progids;
        for (std::size_t i = 0; i < count; ++i)
            progids.emplace_back(entries[i].progid);
        corv_registry_entries_free(entries, count);
        return progids;
    }

    ScopedRegistry registry{CORVANE_LIBRARY};
    const corv_type_library *lib = nullptr;
};

// In the type library's order, each member with the constant corvane.h gives it.
TEST_F(TypeLibraryAbi, PublishesTheFourEnumerationsWithTheHeadersValues)
{
    const struct {
        const char *enumeration;
        std::vector<std::pair<const char *, int>> members;
    } expected[] = {
        {"cApperance", {{"Flat", CORV_Flat}, {"3D", CORV_3D}}},
        {"cAgrDateStrFormat",
         {{"cAD_0000Y00M00D_WEEK", CORV_cAD_0000Y00M00D_WEEK},
          {"cAD_0000Y00M00D_AGR_YYXMMXDDX", CORV_cAD_0000Y00M00D_AGR_YYXMMXDDX},
          {"cAD_0000Y00M00D_AGR_YYXMMXDDX_WEEK", CORV_cAD_0000Y00M00D_AGR_YYXMMXDDX_WEEK},
          {"cAD_0000Y00M00D_AGR_MMXDDX", CORV_cAD_0000Y00M00D_AGR_MMXDDX},
          {"cAD_0000Y00M00D_AGR_MMXDDX_WEEK", CORV_cAD_0000Y00M00D_AGR_MMXDDX_WEEK}}},
        {"cBorderStyle", {{"None", CORV_None}, {"Fixed Single", CORV_Fixed_Single}}},
        {"EraMode", {{"XCAgrMonth", CORV_XCAgrMonth}, {"XCAgrTerm", CORV_XCAgrTerm}}},
    };
    ASSERT_EQ(lib->enum_count, std::size(expected));
    for (std::size_t e = 0; e < lib->enum_count; ++e) {
        const corv_enum_desc &published = lib->enums[e];
        EXPECT_STREQ(published.name, expected[e].enumeration);
        ASSERT_EQ(published.member_count, expected[e].members.size()) << published.name;
        for (std::size_t m = 0; m < published.member_count; ++m) {
            EXPECT_STREQ(published.members[m].name, expected[e].members[m].first) << published.name;
            EXPECT_EQ(published.members[m].value, expected[e].members[m].second) << published.members[m].name;
        }
    }
    EXPECT_EQ(CORV_XCAgrTerm, 1);
    EXPECT_EQ(CORV_3D, 1);
}

// A host that meets an enumeration-typed parameter or property (Appearance, AgrDateFormat, iMode, ...)
// can look its type up.
TEST_F(TypeLibraryAbi, EveryEnumerationTypeAMemberNamesIsPublished)
{
    int named = 0;
    const auto check = [&](std::uint16_t type, const char *typeName, const std::string &where) {
        // OLE_COLOR is the platform's colour type, which the library uses but does not publish.
        if (type != CORV_VT_I4 || !typeName || std::string_view(typeName) == "OLE_COLOR")
            return;
        ++named;
        EXPECT_NE(Enum(typeName), nullptr) << where << " names " << typeName;
    };
    for (const std::string &progid : ProgIds()) {
        const corv_class_desc *cls = nullptr;
        ASSERT_EQ(corv_find_class(progid.c_str(), &cls), 0);
        for (std::size_t i = 0; i < cls->member_count; ++i) {
            const corv_member_desc &m = cls->members[i];
            check(m.type, m.type_name, progid + "." + m.name);
            for (std::size_t p = 0; p < m.param_count; ++p)
                check(m.params[p].type, m.params[p].type_name, progid + "." + m.name + "(" + m.params[p].name + ")");
        }
    }
    EXPECT_GT(named, 0); // at least GetEraNumber's iMode
}

// Each class: its name, its interface (the name its member list carries) and, when it raises events,
// its events interface, every one under a UUID of its own.
TEST_F(TypeLibraryAbi, EveryClassPublishesItsIdentitiesUnderUuidsOfTheirOwn)
{
    const std::vector<std::string> progids = ProgIds();
    ASSERT_EQ(lib->class_count, progids.size());
    std::set<std::string> uuids;
    std::size_t uuidCount = 0;
    const auto uuid = [&](const char *text, const std::string &what) {
        EXPECT_TRUE(corvane::IsUuidText(text)) << what << ": " << text;
        uuids.insert(text);
        ++uuidCount;
    };
    for (std::size_t i = 0; i < lib->class_count; ++i) {
        const corv_class_identity &id = lib->classes[i];
        const corv_class_desc *cls = nullptr;
        ASSERT_EQ(corv_find_class(id.progid, &cls), 0) << id.progid;
        EXPECT_EQ(std::string("Corvane.") + id.class_name, id.progid);
        EXPECT_EQ(std::string("_") + id.class_name, id.interface_name);
        EXPECT_STREQ(id.interface_name, cls->name);
        uuid(id.class_uuid, id.progid);
        uuid(id.interface_uuid, id.interface_name);
        if (cls->event_count) {
            EXPECT_EQ(std::string("__") + id.class_name, id.events_name);
            uuid(id.events_uuid, id.events_name);
        } else {
            EXPECT_STREQ(id.events_name, "");
            EXPECT_STREQ(id.events_uuid, "");
        }
    }
    for (std::size_t e = 0; e < lib->enum_count; ++e)
        uuid(lib->enums[e].uuid, lib->enums[e].name);
    EXPECT_EQ(uuids.size(), uuidCount);
}

} // namespace
