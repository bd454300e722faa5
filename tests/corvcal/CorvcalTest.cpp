#include "Corvcal.h"

#include "engine/AgrConversion.h"
#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace corvane;

namespace
{

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunCorvcal(std::vector<std::string_view> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = corvcal::Run(args, out, err);
    return {status, out.str(), err.str()};
}

struct OutputCase {
    std::vector<std::string_view> args;
    std::string expected;
};

TEST(Corvcal, PrintsConversions)
{
    const OutputCase cases[] = {
        {{"lunar", "2002-07-19"}, "date\t2002-07-19\nyear\t2002\nmonth\t6\nday\t10\nslot\t6\ntext\t壬午年 六月 初十\n"},
        {{"lunar", "2001-05-23"}, "date\t2001-05-23\nyear\t2001\nmonth\t4R\nday\t1\nslot\t5\ntext\t辛巳年 闰四 初一\n"},
        {{"solar", "2001", "4R", "1"}, "2001-05-23\n"},
        {{"solar", "2001", "12", "30"}, "2002-02-11\n"},
        {{"solar", "1900", "1", "1"}, "1900-01-31\n"},
        {{"dump", "2002-02-11", "2002-02-12"},
         "date\tyear\tmonth\tday\tslot\n2002-02-11\t2001\t12\t30\t13\n2002-02-12\t2002\t1\t1\t1\n"},
    };
    for (const auto &c : cases) {
        const Result r = RunCorvcal(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.out, c.expected) << c.args[0];
        EXPECT_EQ(r.err, "");
    }
}

struct ErrorCase {
    std::vector<std::string_view> args;
    std::string fragment; // the message must name the problem or the accepted range
};

TEST(Corvcal, BadInputIsOneLineOnStderrAndExitStatusTwo)
{
    const ErrorCase cases[] = {
        {{}, "missing command"},
        {{"moon"}, "unknown command 'moon'"},
        {{"lunar"}, "missing arguments"},
        {{"lunar", "2002-07-19", "extra"}, "unexpected argument 'extra'"},
        {{"lunar", "2002-7-19"}, "YYYY-MM-DD"},
        {{"lunar", "2002-02-29"}, "not a day of the calendar"},
        {{"lunar", "1900-01-30"}, "1900-01-31 to 2031-12-31"},
        {{"lunar", "2032-01-01"}, "1900-01-31 to 2031-12-31"},
        {{"solar", "2032", "1", "1"}, "1900-2031"},
        {{"solar", "2002", "4R", "1"}, "has no leap month"},
        {{"solar", "2001", "5R", "1"}, "its leap month is 4R"},
        {{"solar", "2002", "13", "1"}, "1-12"},
        {{"solar", "2002", "1", "31"}, "1-30"},
        {{"solar", "2002", "3", "30"}, "1-29"}, // the 3rd month of 2002 has 29 days
        {{"solar", "2002", "-1", "1"}, "not a whole number"},
        {{"solar", "2002", "1", "99999999999"}, "not a whole number"},
        {{"dump", "2002-01-02", "2002-01-01"}, "comes before"},
        {{"month", "2002"}, "both YEAR and MONTH"},
        {{"month", "1900", "1"}, "1900-02 to 2031-12"},
        {{"month", "2002", "0"}, "1-12"},
    };
    for (const auto &c : cases) {
        const Result r = RunCorvcal(c.args);
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_EQ(r.out, "") << r.err;
        EXPECT_NE(r.err.find(c.fragment), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(Corvcal, HelpForEveryCommand)
{
    EXPECT_EQ(RunCorvcal({"--help"}).status, 0);
    for (const auto &command : corvcal::Commands()) {
        const Result r = RunCorvcal({command.name, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind("usage: corvcal " + std::string(command.name), 0), 0u) << r.out;
    }
}

TEST(Corvcal, MonthGridShowsTheLunarDayUnderEachDay)
{
    const Result r = RunCorvcal({"month", "2002", "7"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "2002年7月  农历壬午年 (马)");
    // 2002-07-01 is a Monday; 2002-07-10 is the first day of the sixth lunar month.
    EXPECT_NE(r.out.find("\n         1     2     3     4     5     6\n       廿一  廿二  廿三  廿四  廿五  廿六\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\n 廿七  廿八  廿九  六月  初二  初三  初四\n"), std::string::npos) << r.out;
}

TEST(Corvcal, MonthWithoutArgumentsShowsTheClocksMonth)
{
    const date::FixedClock clock(date::FromYmd(2002, 7, 19));
    const date::ScopedClock pin(clock);
    EXPECT_EQ(RunCorvcal({"month"}).out, RunCorvcal({"month", "2002", "7"}).out);
}

// The whole range: every line of the dump converts back to its own date.
TEST(Corvcal, DumpOfTheWholeRangeAgreesWithTheConversion)
{
    const Result r = RunCorvcal({"dump", "1900-01-31", "2031-12-31"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "date\tyear\tmonth\tday\tslot");
    date::Date expected = date::FromYmd(1900, 1, 31);
    int count = 0;
    while (std::getline(lines, line)) {
        int y = 0, m = 0, d = 0, year = 0, day = 0, slot = 0;
        char month[8] = {};
        ASSERT_EQ(std::sscanf(line.c_str(), "%d-%d-%d\t%d\t%7s\t%d\t%d", &y, &m, &d, &year, month, &day, &slot), 7)
            << line;
        ASSERT_EQ(date::FromYmd(y, m, d), expected) << line;
        ASSERT_EQ(ModAgrCAl::AgrToUniDate(std::int16_t(year), month, std::int16_t(day)), expected) << line;
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, 13);
        expected += 1;
        ++count;
    }
    EXPECT_EQ(count, 48182);
}

} // namespace
