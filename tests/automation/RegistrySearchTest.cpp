// Where creation finds a ProgID: an explicit registry alone, else the user's file before the system's
// (XDG_CONFIG_DIRS), and creation from a library path without any registry.
#include "platform/automation/RegistrySearch.h"
#include "ErrorOf.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "platform/automation/LibraryRegistration.h"
#include "platform/automation/RegistryFile.h"
#include "platform/automation/TextFile.h"

#include "corvane/corvane.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace corvane;

namespace
{

TEST(RegistrySearch, SystemRegistriesComeFromXdgConfigDirs)
{
    struct Case {
        const char *dirs;
        std::vector<std::filesystem::path> expected;
    };
    const Case cases[] = {
        {nullptr, {"/etc/xdg/corvane/registry"}},
        {"", {"/etc/xdg/corvane/registry"}},
        {"/opt/a:relative/b::/srv/c/", {"/opt/a/corvane/registry", "/srv/c/corvane/registry"}},
        {"relative", {"/etc/xdg/corvane/registry"}}, // nothing usable is left: the default
    };
    for (const Case &c : cases) {
        const ScopedEnv dirs("XDG_CONFIG_DIRS", c.dirs);
        EXPECT_EQ(SystemRegistryPaths(), c.expected) << (c.dirs ? c.dirs : "(unset)");
        EXPECT_EQ(SystemRegistryPath(), c.expected.front());
    }
}

TEST(RegistrySearch, AnExplicitRegistryIsSearchedAloneAndTheUserFileComesBeforeTheSystems)
{
    const ScopedEnv dirs("XDG_CONFIG_DIRS", "/sys1:/sys2");
    const ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    const ScopedEnv home("HOME", "/home/u");
    {
        const ScopedEnv registry("CORVANE_REGISTRY", "/tmp/only");
        EXPECT_EQ(RegistrySearchPath(), std::vector<std::filesystem::path>{"/tmp/only"});
    }
    const ScopedEnv registry("CORVANE_REGISTRY", "");
    EXPECT_EQ(RegistrySearchPath(),
              (std::vector<std::filesystem::path>{"/home/u/.config/corvane/registry",
                                                  "/sys1/corvane/registry",
                                                  "/sys2/corvane/registry"}));
    // No home at all: the system registries still serve.
    const ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(RegistrySearchPath(),
              (std::vector<std::filesystem::path>{"/sys1/corvane/registry", "/sys2/corvane/registry"}));
}

// A machine with a user registry and two system registries, all in a temporary folder.
class RegistryFiles : public ::testing::Test
{
protected:
    std::filesystem::path User() const { return dir / "home/.config/corvane/registry"; }
    std::filesystem::path System(int n) const { return dir / ("sys" + std::to_string(n)) / "corvane/registry"; }

    TempDir dir;
    ScopedEnv registry{"CORVANE_REGISTRY", nullptr};
    ScopedEnv config{"XDG_CONFIG_HOME", nullptr};
    ScopedEnv home{"HOME", (dir / "home").c_str()};
    ScopedEnv dirs{"XDG_CONFIG_DIRS", ((dir / "sys1").string() + ":" + (dir / "sys2").string()).c_str()};
};

TEST_F(RegistryFiles, TheFirstFileListingAProgIdWinsAndEachProgIdIsListedOnce)
{
    WriteRegistry(System(1), {{"Corvane.A", "SysA", "/sys/a.so"}, {"Corvane.B", "SysB", "/sys/b.so"}});
    WriteRegistry(System(2), {{"corvane.b", "OldB", "/old/b.so"}, {"Corvane.C", "SysC", "/sys/c.so"}});
    WriteRegistry(User(), {{"Corvane.A", "UserA", "/home/a.so"}});

    const auto files = RegistrySearchPath();
    EXPECT_EQ(FindInRegistries(files, "corvane.a")->entry.className, "UserA");
    EXPECT_EQ(FindInRegistries(files, "Corvane.B")->registry, System(1));
    EXPECT_EQ(FindInRegistries(files, "Corvane.C")->entry.libraryPath, "/sys/c.so");
    EXPECT_FALSE(FindInRegistries(files, "Corvane.D"));
    EXPECT_EQ(VisibleRegistryEntries(files),
              (std::vector<RegistryEntry>{{"Corvane.A", "UserA", "/home/a.so"},
                                          {"Corvane.B", "SysB", "/sys/b.so"},
                                          {"Corvane.C", "SysC", "/sys/c.so"}}));

    corv_registry_entry *entries = nullptr;
    size_t count = 0;
    ASSERT_EQ(corv_registry_entries(&entries, &count), 0) << corv_last_error_message();
    ASSERT_EQ(count, 3u);
    EXPECT_STREQ(entries[1].class_name, "SysB");
    corv_registry_entries_free(entries, count);

    // A damaged file on the way is reported, not skipped.
    WriteTextFile(User(), "Corvane.A UserA\n");
    EXPECT_EQ(ErrorOf([&] { FindInRegistries(files, "Corvane.C"); }), 321);
}

TEST_F(RegistryFiles, HostsCreateObjectsRegisteredOnlyInASystemRegistry)
{
    RegisterLibrary(CORVANE_TOY_LIBRARY, System(2));
    corv_object *object = nullptr;
    ASSERT_EQ(corv_create_object("Corvane.Toy", &object), 0) << corv_last_error_message();
    EXPECT_EQ(corv_release(object), 0);

    EXPECT_EQ(corv_create_object("Corvane.Absent", &object), 429);
    EXPECT_EQ(object, nullptr);
    // The message names every file that was searched.
    const std::string message = corv_last_error_message();
    EXPECT_NE(message.find(User().string()), std::string::npos) << message;
    EXPECT_NE(message.find(System(2).string()), std::string::npos) << message;
}

TEST_F(RegistryFiles, AStagedInstallationIsRegisteredWithItsFinalPaths)
{
    const std::filesystem::path root = dir / "stage";
    const std::filesystem::path installed = "/usr/lib/corvane-test/libtoy.so.1";
    std::filesystem::create_directories(root / installed.parent_path().relative_path());
    std::filesystem::copy_file(CORVANE_TOY_LIBRARY, root / installed.relative_path());

    const auto added = RegisterLibrary(installed, root / "etc/xdg/corvane/registry", root);
    ASSERT_EQ(added.size(), 2u);
    for (const RegistryEntry &entry : ReadRegistry(root / "etc/xdg/corvane/registry"))
        EXPECT_EQ(entry.libraryPath, installed.string());
    // Without the root, the same path names a library that does not exist here.
    EXPECT_EQ(ErrorOf([&] { RegisterLibrary(installed, dir / "other"); }), 53);
}

TEST(CreateFromLibrary, MakesObjectsWithoutAnyRegistry)
{
    TempDir dir;
    const ScopedEnv registry("CORVANE_REGISTRY", (dir / "empty").c_str());
    corv_object *object = nullptr;
    ASSERT_EQ(corv_create_object_from(CORVANE_TOY_LIBRARY, "corvane.toytwin", &object), 0) << corv_last_error_message();
    const corv_class_desc *cls = nullptr;
    ASSERT_EQ(corv_object_class(object, &cls), 0);
    EXPECT_STREQ(cls->name, "CToyTwin");
    EXPECT_EQ(corv_release(object), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "empty"));

    struct Case {
        const char *library;
        const char *progid;
        int32_t error;
    };
    const std::string absent = (dir / "absent.so").string();
    const Case cases[] = {
        {CORVANE_TOY_LIBRARY, "Corvane.CQxCal", 429}, // not a class of this library
        {absent.c_str(), "Corvane.Toy", 53},
        {CORVANE_NOENTRY_LIBRARY, "Corvane.Toy", 453},
        {nullptr, "Corvane.Toy", 5},
        {CORVANE_TOY_LIBRARY, nullptr, 5},
    };
    for (const Case &c : cases) {
        object = reinterpret_cast<corv_object *>(&dir); // a stale value the call must clear
        EXPECT_EQ(corv_create_object_from(c.library, c.progid, &object), c.error) << (c.library ? c.library : "NULL");
        EXPECT_EQ(object, nullptr);
        EXPECT_EQ(corv_last_error(), c.error);
    }
    EXPECT_EQ(corv_create_object_from(CORVANE_TOY_LIBRARY, "Corvane.Toy", nullptr), 5);
}

} // namespace
