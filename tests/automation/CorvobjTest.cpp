// corvobj against the test library, run as a separate process the way a user runs it.
#include "ScopedEnv.h"
#include "TempDir.h"
#include "ToolProcess.h"

#include "corvane/corvane.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class Corvobj : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(corv_register_library(CORVANE_TOY_LIBRARY, nullptr), 0); }

    ToolOutcome Run(const std::vector<std::string> &args, const std::string &redirection = {})
    {
        return RunTool(CORVOBJ_PATH, args, dir / "stderr", redirection);
    }

    TempDir dir;
    ScopedEnv registry{"CORVANE_REGISTRY", (dir / "registry").c_str()};
};

TEST_F(Corvobj, OutputThatCannotBeWrittenIsAFailureWithStatusOne)
{
    ExpectUnwritableOutputFails(
        "corvobj",
        {{"list"}, {"members", "Corvane.Toy"}, {"call", "Corvane.Toy", "Greeting"}, {"--help"}},
        [&](const std::vector<std::string> &args, const char *redirection) { return Run(args, redirection); });
    // Bad input keeps its own status and report.
    const ToolOutcome o = Run({"bogus"}, ">/dev/full");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err.rfind("corvobj: unknown command bogus\n", 0), 0u) << o.err;
}

TEST_F(Corvobj, ListsTheRegistry)
{
    const ToolOutcome o = Run({"list"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out,
              std::string("Corvane.Toy\tCToy\t") + CORVANE_TOY_LIBRARY + "\nCorvane.ToyTwin\tCToyTwin\t"
                  + CORVANE_TOY_LIBRARY + "\n");
}

TEST_F(Corvobj, ShowsEveryMemberWithIdKindParametersAndHelp)
{
    const ToolOutcome o = Run({"members", "Corvane.Toy"});
    ASSERT_EQ(o.status, 0) << o.err;
    for (const char *line : {
             "Corvane.Toy (class CToy)  -- A toy class for the automation tests.\n",
             "  0x00000000  get    Value() As I4  -- The default member.\n",
             "  0x00000005  put    Secret(value As String)\n",
             "  0x00000010  method Add(A As I4, [B As I4]) As I4  -- Adds two numbers; B defaults to 0.\n",
             "  0x00000012  method JoinParts(ByRef Parts As ToyParts) As Date  -- Joins year, month and day.\n",
             "events:\n  0x00000001  event  Ping(ByRef Text As String, ByRef Cancel As Bool)  -- Occurs when Fire is "
             "called.\n",
         })
        EXPECT_NE(o.out.find(line), std::string::npos) << line << "\nin:\n" << o.out;
}

// After the members: the class's identities and the enumerations its members name.
TEST_F(Corvobj, ShowsIdentitiesAndTheEnumerationsAClassUses)
{
    const ToolOutcome o = Run({"members", "Corvane.Toy"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("  0x00000006  get    Shade() As ToyShade\n"), std::string::npos) << o.out;
    const std::string tail =
        "identities:\n"
        "  class Toy {6A0E2B3C-1D4F-4A5B-8C6D-7E8F9A0B1C2D}\n"
        "  interface CToy {6A0E2B3C-1D4F-4A5B-8C6D-7E8F9A0B1C2E}\n"
        "  events CToyEvents {6A0E2B3C-1D4F-4A5B-8C6D-7E8F9A0B1C2F}\n"
        "enumerations:\n"
        "  ToyShade {0D6F3C7E-5B1A-4E27-9C44-2A1B3C4D5E6F}: Light = 0, Dark Grey = 7\n";
    ASSERT_GE(o.out.size(), tail.size());
    EXPECT_EQ(o.out.substr(o.out.size() - tail.size()), tail);

    // The twin names no enumeration and publishes no identities.
    const ToolOutcome twin = Run({"members", "Corvane.ToyTwin"});
    ASSERT_EQ(twin.status, 0) << twin.err;
    EXPECT_EQ(twin.out.find("identities:"), std::string::npos) << twin.out;
    EXPECT_EQ(twin.out.find("enumerations:"), std::string::npos) << twin.out;
}

TEST_F(Corvobj, ListsTheEnumerationsOfALibraryOrOfEveryRegisteredOne)
{
    const std::string shade = "ToyShade {0D6F3C7E-5B1A-4E27-9C44-2A1B3C4D5E6F}: Light = 0, Dark Grey = 7\n";
    const ToolOutcome one = Run({"enums", "Corvane.ToyTwin"});
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.out, shade);

    // Every library once, under its path; one whose table predates type libraries is left out.
    ASSERT_EQ(corv_register_library(CORVANE_OLDTABLE_LIBRARY, nullptr), 0) << corv_last_error_message();
    const ToolOutcome all = Run({"enums"});
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, std::string(CORVANE_TOY_LIBRARY) + ":\n  " + shade);

    const ToolOutcome old = Run({"enums", "Corvane.Old"});
    EXPECT_EQ(old.status, 2);
    EXPECT_EQ(old.err, "corvobj: the library registered for Corvane.Old publishes no type library\n");
    const ToolOutcome oldMembers = Run({"members", "Corvane.Old"});
    EXPECT_EQ(oldMembers.status, 0) << oldMembers.err;
    EXPECT_EQ(oldMembers.out, "Corvane.Old (class COld)\n");
}

TEST_F(Corvobj, CallsMembersWithTypedLiteralsAndPrintsResults)
{
    struct Case {
        std::vector<std::string> args;
        const char *printed;
    };
    const Case cases[] = {
        {{"call", "Corvane.Toy", "SplitDate", "2002-07-19"},
         "ToyParts{Year=2002, Month=7, Day=19, Weekday=6, DayOfYear=200}\n"},
        {{"call", "Corvane.Toy", "#0x12", "ToyParts{2001,4,1}"}, "2001-04-01 00:00:00\n"},
        {{"call", "Corvane.Toy", "#18", "ToyParts{Day=1, Month=4, Year=2001}"}, "2001-04-01 00:00:00\n"},
        {{"call", "corvane.toy", "add", "i2:5", "missing"}, "5\n"},
        {{"call", "Corvane.Toy", "Add", "r8:2.5", "true"}, "1\n"},
        {{"call", "Corvane.Toy", "Fire", "\"壬午年 \\\"quoted\\\"\""}, "壬午年 \"quoted\"\n"},
        {{"call", "Corvane.Toy", "Greeting"}, "Hello\n"},
        {{"call", "Corvane.Toy", "Self"}, "<object CToy>\n"},
        {{"call", "Corvane.Toy", "Scale", "2", "r8:1.5"}, ""},
        {{"call", "Corvane.ToyTwin", "SplitDate", "2002-07-19T10:30"},
         "ToyParts{Year=2002, Month=7, Day=19, Weekday=6, DayOfYear=200}\n"},
    };
    for (const Case &c : cases) {
        const ToolOutcome o = Run(c.args);
        EXPECT_EQ(o.status, 0) << c.args[2] << ": " << o.err;
        EXPECT_EQ(o.out, c.printed) << c.args[2];
    }
}

TEST_F(Corvobj, BadInputIsAClearMessageAndStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        const char *message;
    };
    const Case cases[] = {
        {{}, "corvobj: no command\nusage:"},
        {{"bogus"}, "corvobj: unknown command bogus\n"},
        {{"members"}, "corvobj: wrong number of arguments for members\n"},
        {{"members", "Corvane.Absent"}, "corvobj: error 429: Cannot create object: Corvane.Absent is not registered"},
        {{"enums", "Corvane.Absent"}, "corvobj: error 429: Cannot create object: Corvane.Absent is not registered"},
        {{"enums", "Corvane.Toy", "extra"}, "corvobj: wrong number of arguments for enums\n"},
        {{"call", "Corvane.Toy", "Nope"}, "corvobj: no member named Nope\n"},
        {{"call", "Corvane.Toy", "#0xZZ"}, "corvobj: bad dispatch id #0xZZ\n"},
        {{"call", "Corvane.Toy", "#0x7777"}, "corvobj: error 438: "},
        {{"call", "Corvane.Toy", "Add", "hello"},
         "corvobj: argument 1 (hello): unknown word \"hello\" at column 1; text goes in double quotes: '\"hello\"'\n"},
        {{"call", "Corvane.Toy", "Add", "i2:99999"},
         "corvobj: argument 1 (i2:99999): value out of range at column 4\n"},
        {{"call", "Corvane.Toy", "Add", "\"x\""}, "corvobj: error 13: Type mismatch"},
        {{"call", "Corvane.Toy", "Add", "1", "2", "3"}, "corvobj: error 450: "},
        {{"call", "Corvane.Toy", "JoinParts", "Other{1}"}, "corvobj: error 13: "},
        {{"call", "Corvane.Toy", "Fail", "9"}, "corvobj: error 9: Toy failure 9\n"},
        // What the user typed is quoted as valid UTF-8 on one line.
        {{"bo\xFFgus\n"}, "corvobj: unknown command bo\\xffgus\\n\n"},
        {{"call", "Corvane.Toy", "N\xC3pe"}, "corvobj: no member named N\\xc3pe\n"},
        {{"call", "Corvane.Toy", "#1\x1b"}, "corvobj: bad dispatch id #1\\x1b\n"},
        {{"call", "Corvane.T\xFFy", "Add"}, "corvobj: error 429: Cannot create object: Corvane.T\\xffy is not"},
        {{"call", "Corvane.Toy", "Add", "\"\xFF\""}, "corvobj: argument 1 (\"\\xff\"): text is not valid UTF-8"},
        // Nesting that used to overflow the stack.
        {{"call", "Corvane.Toy", "Add", std::string(3000, '{') + std::string(3000, '}')}, "corvobj: argument 1 ({{{{"},
    };
    for (const Case &c : cases) {
        const ToolOutcome o = Run(c.args);
        EXPECT_EQ(o.status, 2) << o.err;
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err.rfind(c.message, 0), 0u) << o.err;
    }
    const ToolOutcome deep = Run({"call", "Corvane.Toy", "Add", std::string(3000, '{') + std::string(3000, '}')});
    EXPECT_NE(deep.err.find("): records nested deeper than 32 levels at column 33\n"), std::string::npos);
}

} // namespace
