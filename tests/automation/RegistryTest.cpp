#include "ErrorOf.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/LibraryLoader.h"
#include "platform/automation/LibraryRegistration.h"
#include "platform/automation/RegistryFile.h"
#include "platform/automation/TextFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

using namespace corvane;

namespace
{

TEST(Registry, TheEnvironmentChoosesTheFile)
{
    struct Case {
        const char *registry;
        const char *config;
        const char *home;
        const char *expected;
    };
    const Case cases[] = {
        {"/tmp/reg", "/cfg", "/home/u", "/tmp/reg"},
        {"", "/cfg", "/home/u", "/cfg/corvane/registry"},
        {nullptr, "/cfg", "/home/u", "/cfg/corvane/registry"},
        {nullptr, "relative/cfg", "/home/u", "/home/u/.config/corvane/registry"}, // not absolute: ignored
        {nullptr, nullptr, "/home/u", "/home/u/.config/corvane/registry"},
    };
    for (const Case &c : cases) {
        const ScopedEnv registry("CORVANE_REGISTRY", c.registry);
        const ScopedEnv config("XDG_CONFIG_HOME", c.config);
        const ScopedEnv home("HOME", c.home);
        EXPECT_EQ(DefaultRegistryPath(), c.expected);
    }
    const ScopedEnv registry("CORVANE_REGISTRY", nullptr);
    const ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    const ScopedEnv home("HOME", nullptr);
    EXPECT_EQ(ErrorOf([] { DefaultRegistryPath(); }), 75);
}

TEST(Registry, LinesHoldProgIdClassAndAPathThatMayHaveBlanks)
{
    const auto entries = ParseRegistry("# header\n\nCorvane.A  CA  /opt/my libs/liba.so \nCorvane.B CB /b.so\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (RegistryEntry{"Corvane.A", "CA", "/opt/my libs/liba.so"}));
    EXPECT_EQ(FindRegistryEntry(entries, "corvane.b")->libraryPath, "/b.so");
    EXPECT_FALSE(FindRegistryEntry(entries, "Corvane.C"));
    EXPECT_EQ(ErrorOf([] { ParseRegistry("Corvane.A CA\n"); }), 321);

    TempDir dir;
    WriteRegistry(dir / "conf/registry", entries);
    EXPECT_EQ(ReadRegistry(dir / "conf/registry"), entries);
    EXPECT_TRUE(ReadRegistry(dir / "absent").empty());
}

TEST(Registry, RegisteringALibraryRecordsEveryProgIdItServes)
{
    TempDir dir;
    const auto registry = dir / "registry";
    WriteRegistry(registry, {{"Other.Thing", "CThing", "/other.so"}, {"corvane.toy", "Stale", "/old/libtoy.so"}});

    const auto added = RegisterLibrary(CORVANE_TOY_LIBRARY, registry);
    ASSERT_EQ(added.size(), 2u);
    const auto entries = ReadRegistry(registry);
    ASSERT_EQ(entries.size(), 3u); // the stale entry of the same ProgID is replaced
    EXPECT_EQ(entries[0].progid, "Other.Thing");
    EXPECT_EQ(entries[1], (RegistryEntry{"Corvane.Toy", "CToy", CORVANE_TOY_LIBRARY}));
    EXPECT_EQ(entries[2], (RegistryEntry{"Corvane.ToyTwin", "CToyTwin", CORVANE_TOY_LIBRARY}));

    EXPECT_EQ(UnregisterLibrary(CORVANE_TOY_LIBRARY, registry), 2u);
    EXPECT_EQ(ReadRegistry(registry).size(), 1u);
}

TEST(Registry, RegisteringSavesThroughALinkAndKeepsThePermissions)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "shared");
    WriteRegistry(dir / "shared/registry", {{"Other.Thing", "CThing", "/other.so"}});
    ASSERT_EQ(::chmod((dir / "shared/registry").c_str(), 0600), 0);
    std::filesystem::create_symlink("shared/registry", dir / "registry");

    RegisterLibrary(CORVANE_TOY_LIBRARY, dir / "registry");
    ASSERT_TRUE(std::filesystem::is_symlink(dir / "registry"));
    EXPECT_EQ(ReadRegistry(dir / "shared/registry").size(), 3u);
    EXPECT_EQ(std::filesystem::status(dir / "shared/registry").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    UnregisterLibrary(CORVANE_TOY_LIBRARY, dir / "registry");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "registry"));
    EXPECT_EQ(ReadRegistry(dir / "registry").size(), 1u);
}

TEST(Registry, LoadingReportsMissingFilesUnloadableFilesAndMissingEntryPoints)
{
    TempDir dir;
    {
        std::ofstream junk(dir / "junk.so");
        junk << "not a library";
    }
    EXPECT_EQ(ErrorOf([&] { LoadCorvaneLibrary(dir / "absent.so"); }), 53);
    EXPECT_EQ(ErrorOf([&] { LoadCorvaneLibrary(dir / "junk.so"); }), 48);
    EXPECT_EQ(ErrorOf([] { LoadCorvaneLibrary(CORVANE_NOENTRY_LIBRARY); }), 453);
    EXPECT_EQ(ErrorOf([&] { RegisterLibrary(CORVANE_NOENTRY_LIBRARY, dir / "registry"); }), 453);
    EXPECT_FALSE(std::filesystem::exists(dir / "registry"));
    // The same library loads once and answers with the same table.
    EXPECT_EQ(&LoadCorvaneLibrary(CORVANE_TOY_LIBRARY), &LoadCorvaneLibrary(CORVANE_TOY_LIBRARY));
}

} // namespace
