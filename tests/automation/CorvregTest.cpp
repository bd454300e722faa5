// corvreg run as the separate program the build and users start.
#include "TempDir.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class Corvreg : public ::testing::Test
{
protected:
    // Runs corvreg on the test's own registry file, its standard output sent where the shell
    // redirection says.
    ToolOutcome Run(const std::vector<std::string> &args, const std::string &redirection = ">/dev/null")
    {
        std::vector<std::string> all = {"--registry", registry};
        all.insert(all.end(), args.begin(), args.end());
        return RunTool(CORVREG_PATH, all, dir / "stderr", redirection);
    }

    TempDir dir;
    std::string registry = (dir / "registry").string();
};

TEST_F(Corvreg, OutputThatCannotBeWrittenIsAFailureWithStatusOne)
{
    ASSERT_EQ(Run({CORVANE_TOY_LIBRARY}).status, 0);
    ExpectUnwritableOutputFails(
        "corvreg",
        {{"--list"}, {CORVANE_TOY_LIBRARY}, {"--help"}},
        [&](const std::vector<std::string> &args, const char *redirection) { return Run(args, redirection); });
}

TEST_F(Corvreg, ReportsQuoteTheirInputAsValidUtf8AndBadInputStaysStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        const char *report;
    };
    const Case cases[] = {
        {{"--b\xFFz\n"}, 2, "corvreg: unknown option --b\\xffz\\n\n"},
        {{"/no/such\xE4.so"}, 1, "corvreg: error 53: File not found: /no/such\\xe4.so\n"},
        {{"-u", "--list"}, 2, "corvreg: --list takes no library\n"},
    };
    for (const Case &c : cases) {
        const ToolOutcome o = Run(c.args, ">/dev/full");
        EXPECT_EQ(o.status, c.status) << c.args[0];
        EXPECT_EQ(o.err.rfind(c.report, 0), 0u) << o.err;
    }
}

} // namespace
