// Saving and reading the runtime's text files the way a careless or hostile setup would meet them:
// links, odd file types, planted names, permissions, foreign line ends.
#include "platform/automation/TextFile.h"
#include "ErrorOf.h"
#include "TempDir.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBagFile.h"
#include "platform/automation/RegistryFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <future>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvane;
namespace fs = std::filesystem;

namespace
{

void Put(const fs::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string Get(const fs::path &path)
{
    return ReadTextFile(path);
}

// What a folder holds, with each entry's type, so that a failed save shows anything it left or
// replaced.
std::set<std::string> Listing(const fs::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string() + ":" + std::to_string(int(entry.symlink_status().type())));
    return names;
}

mode_t ModeOf(const fs::path &path)
{
    struct stat info {
    };
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// The description of the error 75 `call` raises ("" and a test failure for anything else).
std::string AccessError(const std::function<void()> &call)
{
    try {
        call();
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 75) << e.description();
        return e.description();
    }
    ADD_FAILURE() << "no error";
    return {};
}

TEST(TextFile, ASaveThroughASymbolicLinkReplacesItsTargetAndKeepsTheLink)
{
    struct Case {
        const char *name;
        std::vector<std::pair<std::string, std::string>> links; // link -> where it points
        const char *target; // the file that must receive the text
    };
    const Case cases[] = {
        {"relative link", {{"doc.bag", "real.bag"}}, "real.bag"},
        {"chain of links", {{"doc.bag", "mid.bag"}, {"mid.bag", "sub/real.bag"}}, "sub/real.bag"},
        {"dangling link", {{"doc.bag", "sub/new.bag"}}, "sub/new.bag"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::create_directory(dir / "sub");
        if (std::string(c.target) != "sub/new.bag")
            Put(dir / c.target, "old");
        for (const auto &[link, to] : c.links)
            fs::create_symlink(to, dir / link);

        WriteTextFile(dir / "doc.bag", "new");
        EXPECT_EQ(Get(dir / c.target), "new");
        for (const auto &[link, to] : c.links) {
            ASSERT_TRUE(fs::is_symlink(dir / link)) << link;
            EXPECT_EQ(fs::read_symlink(dir / link), to);
        }
    }
}

TEST(TextFile, ASaveKeepsThePermissionsOfTheFileItReplaces)
{
    TempDir dir;
    for (const mode_t mode : {0600, 0640, 0604, 0755, 0660}) {
        Put(dir / "doc.bag", "old");
        ASSERT_EQ(::chmod((dir / "doc.bag").c_str(), mode), 0);
        WriteTextFile(dir / "doc.bag", "new");
        EXPECT_EQ(ModeOf(dir / "doc.bag"), mode) << std::oct << mode;
        EXPECT_EQ(Get(dir / "doc.bag"), "new");
    }
    // A new file gets what a plain create gives it.
    const mode_t old = ::umask(027);
    WriteTextFile(dir / "fresh.bag", "x");
    ::umask(old);
    EXPECT_EQ(ModeOf(dir / "fresh.bag"), 0640u);
}

TEST(TextFile, ASaveNeverWritesThroughALinkPlantedAtATemporaryName)
{
    TempDir dir;
    Put(dir / "victim", "keep");
    Put(dir / "doc.bag", "old");
    // The name a save used to write to, and the pattern of the new names.
    fs::create_symlink(dir / "victim", dir / ("doc.bag.tmp" + std::to_string(::getpid())));
    fs::create_symlink(dir / "victim", dir / ".doc.bag.000000000000");
    const auto before = Listing(dir.Path());

    WriteTextFile(dir / "doc.bag", "new");
    EXPECT_EQ(Get(dir / "doc.bag"), "new");
    EXPECT_EQ(Get(dir / "victim"), "keep");
    EXPECT_EQ(Listing(dir.Path()), before); // nothing left behind
}

TEST(TextFile, ASaveRefusesWhatIsNoRegularFileAndChangesNothing)
{
    struct Case {
        const char *name;
        std::function<void(const fs::path &)> make; // makes "doc.bag"
        const char *reason;
    };
    const std::vector<Case> cases = {
        {"FIFO", [](const fs::path &p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, "is a FIFO"},
        {"folder", [](const fs::path &p) { fs::create_directory(p); }, "is a directory"},
        {"link to a device", [](const fs::path &p) { fs::create_symlink("/dev/null", p); }, "is a device"},
        {"link loop",
         [](const fs::path &p) {
             fs::create_symlink("loop.bag", p);
             fs::create_symlink("doc.bag", p.parent_path() / "loop.bag");
         },
         "Too many levels of symbolic links"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        c.make(dir / "doc.bag");
        const auto before = Listing(dir.Path());
        const std::string message = AccessError([&] { WriteTextFile(dir / "doc.bag", "new"); });
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_EQ(Listing(dir.Path()), before);
    }
}

TEST(TextFile, ASaveDoesNotReplaceAReadOnlyFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    TempDir dir;
    Put(dir / "doc.bag", "old");
    ASSERT_EQ(::chmod((dir / "doc.bag").c_str(), 0444), 0);
    const std::string message = AccessError([&] { WriteTextFile(dir / "doc.bag", "new"); });
    EXPECT_NE(message.find("Permission denied"), std::string::npos) << message;
    EXPECT_EQ(Get(dir / "doc.bag"), "old");
}

TEST(TextFile, ReadingTakesRegularFilesOnlyAndNeverWaitsOnAFifo)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    Put(dir / "real.bag", "A = 1\n");
    fs::create_symlink("real.bag", dir / "link.bag");

    const std::function<void()> fifoReads[] = {
        [&] { ReadTextFile(dir / "fifo"); },
        [&] {
            PropertyBag bag;
            LoadPropertyBag(bag, dir / "fifo");
        },
        [&] { ReadRegistry(dir / "fifo"); },
    };
    for (const auto &read : fifoReads) {
        auto done = std::async(std::launch::async, [&] { return AccessError(read); });
        if (done.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ADD_FAILURE() << "reading a FIFO blocks";
            ::close(::open((dir / "fifo").c_str(), O_WRONLY)); // lets the reader see its end
        }
        EXPECT_NE(done.get().find("is a FIFO"), std::string::npos);
    }
    EXPECT_NE(AccessError([&] { ReadTextFile(dir / "folder"); }).find("is a directory"), std::string::npos);
    EXPECT_EQ(ErrorOf([&] { ReadTextFile(dir / "absent"); }), 53);
    EXPECT_EQ(ReadTextFile(dir / "link.bag"), "A = 1\n");
}

TEST(TextFile, BagsAndTheRegistryReadTheSameWhateverTheLineEnds)
{
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
            const std::string bagText = mark + "CurrDate = 2002-07-19" + end + "# note" + end + "ForeColor = 255" + end;
            const PropertyBag bag = ParsePropertyBag(bagText);
            EXPECT_EQ(bag.Read("CurrDate"), Variant::FromDate(37456));
            EXPECT_EQ(bag.Read("ForeColor"), Variant(255));
            EXPECT_EQ(bag.Size(), 2u);

            const auto entries = ParseRegistry(mark + "Corvane.A CA /a.so" + end + "Corvane.B CB /b.so" + end);
            ASSERT_EQ(entries.size(), 2u);
            EXPECT_EQ(entries[0].progid, "Corvane.A");
            EXPECT_EQ(entries[1].libraryPath, "/b.so");
        }
        try {
            ParsePropertyBag("A = 1" + end + "B" + end);
            ADD_FAILURE();
        } catch (const AutomationError &e) {
            EXPECT_NE(e.description().find("line 2:"), std::string::npos) << e.description();
        }
    }
}

} // namespace
