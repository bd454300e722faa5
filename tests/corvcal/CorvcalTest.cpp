#include "RunCorvcal.h"

#include "engine/AgrConversion.h"
#include "engine/STermTable.h"
#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace corvane;

namespace
{

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
        // Past the listed years: the 9th month of 2057 begins with a new moon seconds after midnight.
        {{"lunar", "2057-09-28"}, "date\t2057-09-28\nyear\t2057\nmonth\t8\nday\t30\nslot\t8\ntext\t丁丑年 八月 三十\n"},
        {{"lunar", "2033-12-22"},
         "date\t2033-12-22\nyear\t2033\nmonth\t11R\nday\t1\nslot\t12\ntext\t癸丑年 闰冬 初一\n"},
        {{"solar", "2033", "11R", "29"}, "2034-01-19\n"},
        {{"solar", "2100", "12", "1"}, "2100-12-31\n"},
        {{"dump", "2002-02-11", "2002-02-12"},
         "date\tyear\tmonth\tday\tslot\tfestival\tcell_text\tday_era\tsterm\n"
         "2002-02-11\t2001\t12\t30\t13\t\t三十\t庚戌\t\n"
         "2002-02-12\t2002\t1\t1\t1\t春节\t正月\t辛亥\t\n"},
        {{"dump", "1949-10-01", "1949-10-01"},
         "date\tyear\tmonth\tday\tslot\tfestival\tcell_text\tday_era\tsterm\n"
         "1949-10-01\t1949\t8\t10\t9\t国庆节\t初十\t甲子\t\n"},
        // 立春 2009 came at 00:50 on the 4th.
        {{"dump", "2009-02-03", "2009-02-04"},
         "date\tyear\tmonth\tday\tslot\tfestival\tcell_text\tday_era\tsterm\n"
         "2009-02-03\t2009\t1\t9\t1\t\t初九\t己卯\t\n"
         "2009-02-04\t2009\t1\t10\t1\t\t初十\t庚辰\t立春\n"},
        {{"caption", "2009-06-23", "3"}, "2009年06月23日 农历: 闰五 初一日\n"},
        {{"era", "2002-07-19 10:30"}, "numbers\t19 44 25 54\nnames\t壬午年 丁未月 戊子日 丁巳时\n"},
        {{"era", "2002-01-20 12:00", "--mode", "term"}, "numbers\t18 38 25 55\nnames\t辛巳年 辛丑月 戊子日 戊午时\n"},
        {{"era", "2002-01-20", "--mode", "month"}, "numbers\t18 38 25 49\nnames\t辛巳年 辛丑月 戊子日 壬子时\n"},
    };
    for (const auto &c : cases) {
        const CorvcalResult r = RunCorvcal(c.args);
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
        {{"moon"}, "unknown command 'moon'"},
        {{"solar", "2002"}, "missing arguments"},
        {{"lunar", "2002-07-19", "extra"}, "unexpected argument 'extra'"},
        {{"lunar", "2002-7-19"}, "YYYY-MM-DD"},
        {{"lunar", "2002-02-29"}, "not a day of the calendar"},
        {{"lunar", "1900-01-30"}, "1900-01-31 to 2100-12-31"},
        {{"lunar", "2101-01-01"}, "1900-01-31 to 2100-12-31"},
        {{"solar", "2101", "1", "1"}, "1900-2100"},
        {{"solar", "2002", "4R", "1"}, "has no leap month"},
        {{"solar", "2001", "5R", "1"}, "its leap month is 4R"},
        {{"solar", "2002", "13", "1"}, "1-12"},
        {{"solar", "2002", "1", "31"}, "1-30"},
        {{"solar", "2002", "3", "30"}, "1-29"}, // the 3rd month of 2002 has 29 days
        {{"solar", "2002", "x1", "1"}, "lunar month 'x1' is not a month"},
        {{"solar", "2002", "1", "1e3"}, "lunar day '1e3' is not a whole number"},
        {{"dump", "2002-01-02", "2002-01-01"}, "comes before"},
        {{"month", "2002"}, "both YEAR and MONTH"},
        {{"month", "1900", "1"}, "1900-02 to 2100-12"},
        {{"month", "2002", "0"}, "1-12"},
        {{"terms", "1899"}, "1900-2100"},
        {{"terms", "2002", "1"}, "unexpected argument '1'"},
        {{"caption", "2002-07-19", "5"}, "0-4"},
        {{"caption", "2101-01-01", "0"}, "1900-01-31 to 2100-12-31"},
        {{"era", "2002-07-19 24:00"}, "0-23"},
        {{"era", "2002-07-19T10:30"}, "YYYY-MM-DD HH:MM"},
        {{"era", "2002-07-19", "--mode"}, "month or term"},
        {{"era", "2002-07-19", "--mode", "solar"}, "neither month nor term"},
        // Quoted arguments keep the report on one line.
        {{"moon\nphase"}, "unknown command 'moon\\nphase'"},
        {{"lunar", "2002-07-19\n"}, "date '2002-07-19\\n' is not a date"},
        {{"terms", "2002\r\n"}, "year '2002\\r\\n' is not a whole number"},
        {{"era", "2002-07-19\t10:30"}, "moment '2002-07-19\\t10:30'"},
        {{"era", "2002-07-19", "--mode", "\x1b[2Jterm"}, "mode '\\x1b[2Jterm'"},
        {{"lunar", "2002-07-19", "\x7f"}, "unexpected argument '\\x7f'"},
        // The report quotes the argument as given and says what is wrong with it.
        {{"solar", "2001", "4RR", "1"}, "lunar month '4RR' is not a month"},
        {{"solar", "2001", "R", "1"}, "lunar month 'R' is not a month"},
        {{"solar", "2002", "-1", "1"}, "lunar month '-1' is outside the supported range 1-12"},
        {{"solar", "2002", "1", "99999999999"}, "lunar day '99999999999' is outside the supported range 1-30"},
        {{"solar", "2002", "1", "-99999999999999999999"}, "lunar day '-99999999999999999999' is outside"},
        {{"caption", "2002-07-19", "-1"}, "format '-1' is outside the supported range 0-4"},
        {{"era", "2002-07-19 -1:30"}, "hour '-1' is outside the supported range 0-23"},
        {{"era", "2002-7-19"}, "moment '2002-7-19' is not of the form"},
        // Options.
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"terms", "2002", "--monday"}, "unknown option '--monday'"},
        {{"lunar", "-y"}, "unknown option '-y'"},
        {{"lunar", "2002-07-19", "--color=sometimes"}, "auto, always or never"},
        {{"-3", "-y"}, "-3 and -y do not go together"},
        {{"-y", "1900"}, "year '1900' is outside the supported range 1901-2100"},
        {{"-y", "2002", "7"}, "unexpected argument '7'"},
        {{"month", "-3", "2100", "12"}, "the months around 2100-12 reach outside"},
        {{"-3", "1900", "2"}, "the months around 1900-02 reach outside"},
        {{"2002"}, "both YEAR and MONTH"},
    };
    for (const auto &c : cases) {
        const CorvcalResult r = RunCorvcal(c.args);
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_EQ(r.out, "") << r.err;
        EXPECT_NE(r.err.find(c.fragment), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(Corvcal, TermsListsTheYearsTwentyFourTerms)
{
    const CorvcalResult r = RunCorvcal({"terms", "2002"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 24);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "1\t小寒\t小寒：5日20时26分\t2002-01-05 20:26");
    EXPECT_NE(r.out.find("\n24\t冬至\t冬至：22日08时55分\t2002-12-22 08:55\n"), std::string::npos) << r.out;
}

// A term just after midnight is listed on its true day, not the formula's 3rd (the engine has more).
TEST(Corvcal, TermsNearMidnightFallOnTheirTrueDay)
{
    const struct {
        std::string_view year;
        std::string line;
    } cases[] = {
        {"2009", "\n3\t立春\t立春：4日00时50分\t2009-02-04 00:50\n"},
    };
    for (const auto &c : cases) {
        const CorvcalResult r = RunCorvcal({"terms", c.year});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(c.line), std::string::npos) << r.out;
    }
}

TEST(Corvcal, HelpForEveryCommand)
{
    EXPECT_EQ(RunCorvcal({"--help"}).status, 0);
    for (const auto &command : corvcal::Commands()) {
        const CorvcalResult r = RunCorvcal({command.name, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind("usage: corvcal " + std::string(command.name), 0), 0u) << r.out;
    }
}

TEST(Corvcal, MonthGridShowsTheLunarDayUnderEachDay)
{
    const CorvcalResult r = RunCorvcal({"month", "2002", "7"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "           2002年7月  农历壬午年 (马)");
    // 2002-07-01 is a Monday and a festival; 2002-07-10 is the first day of the sixth lunar month.
    EXPECT_NE(r.out.find("\n          1      2      3      4      5      6\n"
                         "       建党节  廿二   廿三   廿四   廿五   廿六\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\n 廿七   廿八   廿九   六月   初二   初三   初四\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1), "小暑：7日15时40分  大暑：23日21时54分\n");
}

TEST(Corvcal, DefaultsAndShortFormsMeanTheLongForms)
{
    const date::FixedClock clock(date::FromYmd(2002, 7, 19) + date::FromHms(10, 30, 0));
    const date::ScopedClock pin(clock);
    using ArgList = std::vector<std::string_view>;
    const std::pair<ArgList, ArgList> cases[] = {
        {{}, {"month", "2002", "7"}},
        {{"month"}, {"month", "2002", "7"}},
        {{"2002", "7"}, {"month", "2002", "7"}},
        {{"-3"}, {"month", "2002", "7", "-3"}},
        {{"-y"}, {"month", "-y", "2002"}},
        {{"--monday", "-y", "2002"}, {"month", "2002", "-y", "--monday"}},
        {{"lunar"}, {"lunar", "2002-07-19"}},
        {{"--json", "lunar"}, {"lunar", "2002-07-19", "--json"}},
        {{"era", "--mode=term", "2002-01-20"}, {"era", "2002-01-20", "--mode", "term"}},
        {{"solar", "--", "2001", "4R", "1"}, {"solar", "2001", "4R", "1"}},
    };
    for (const auto &[shortForm, longForm] : cases) {
        const CorvcalResult a = RunCorvcal(shortForm);
        const CorvcalResult b = RunCorvcal(longForm);
        EXPECT_EQ(a.status, 0) << a.err;
        EXPECT_FALSE(a.out.empty());
        EXPECT_EQ(a.out, b.out) << longForm[0];
    }
}

TEST(Corvcal, HelpAndVersionWhereverTheyStand)
{
    const std::string overview = RunCorvcal({"--help"}).out;
    for (const auto &command : corvcal::Commands())
        EXPECT_NE(overview.find("  " + std::string(command.name) + " "), std::string::npos) << command.name;
    EXPECT_NE(overview.find("--json"), std::string::npos);
    EXPECT_EQ(RunCorvcal({"-3", "--help"}).out, overview);
    EXPECT_EQ(RunCorvcal({"-h", "lunar"}).out, overview);
    EXPECT_EQ(RunCorvcal({"lunar", "2002-07-19", "-h"}).out.rfind("usage: corvcal lunar", 0), 0u);
    EXPECT_NE(RunCorvcal({"month", "--help"}).out.find("1901-2100"), std::string::npos); // -y's years
    for (const std::vector<std::string_view> &args :
         {std::vector<std::string_view>{"--version"}, {"lunar", "--version"}}) {
        const CorvcalResult r = RunCorvcal(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind("corvcal ", 0), 0u);
        EXPECT_EQ(r.out.find_first_not_of("0123456789.", 8), r.out.size() - 1) << r.out; // then "\n"
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '.'), 2) << r.out;
    }
}

// The manual is written by hand: it must keep up with the commands and with the options their help
// texts name.
TEST(Corvcal, ManualNamesEveryCommandAndOption)
{
    std::ifstream file(CORVCAL_MANUAL);
    ASSERT_TRUE(file) << CORVCAL_MANUAL;
    std::string manual((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (std::size_t at; (at = manual.find("\\-")) != std::string::npos;)
        manual.erase(at, 1); // roff's \- is a plain hyphen
    std::string help = RunCorvcal({"--help"}).out;
    for (const auto &command : corvcal::Commands()) {
        EXPECT_NE(manual.find(".B corvcal " + std::string(command.name)), std::string::npos) << command.name;
        help += RunCorvcal({command.name, "--help"}).out;
    }
    for (std::size_t at = 0; (at = help.find(" -", at)) != std::string::npos; ++at) {
        const std::string option = help.substr(at + 1, help.find_first_of(" =[,\n`", at + 1) - at - 1);
        EXPECT_NE(manual.find(option), std::string::npos) << option;
    }
}

// A stream without a buffer fails every write, as a full disk or a closed descriptor does (the
// program test has those).
TEST(Corvcal, OutputThatCannotBeWrittenIsAFailure)
{
    using ArgList = std::vector<std::string_view>;
    for (const ArgList &args : {ArgList{"dump", "2002-01-01", "2002-12-31"}, {"--help"}, {"--version"}}) {
        std::ostream out(nullptr);
        std::ostringstream err;
        EXPECT_EQ(corvcal::Run(args, out, err), 1) << args[0];
        EXPECT_EQ(err.str(), "corvcal: cannot write the output\n");
    }
    // Bad input stays a usage error: nothing is written, so nothing fails to be written.
    std::ostream out(nullptr);
    std::ostringstream err;
    EXPECT_EQ(corvcal::Run(ArgList{"lunar", "2101-01-01"}, out, err), 2);
}

// The whole range: every line of the dump converts back to its own date, and the solar terms follow
// each other in order, each on one day (1900 starts after its first two).
TEST(Corvcal, DumpOfTheWholeRangeAgreesWithTheConversion)
{
    const CorvcalResult r = RunCorvcal({"dump", "1900-01-31", "2100-12-31"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "date\tyear\tmonth\tday\tslot\tfestival\tcell_text\tday_era\tsterm");
    date::Date expected = date::FromYmd(1900, 1, 31);
    int count = 0;
    int terms = 0;
    int nextTerm = 3; // 立春 1900
    while (std::getline(lines, line)) {
        if (const std::string term = line.substr(line.rfind('\t') + 1); !term.empty()) {
            ASSERT_EQ(term, ModAgrCAl::GetsTermName(nextTerm)) << line;
            nextTerm = nextTerm % 24 + 1;
            ++terms;
        }
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
    EXPECT_EQ(count, 73384);
    EXPECT_EQ(terms, 201 * 24 - 2);
}

// The last years of the range: a month grid of December 2100 and the solar terms of 2099, each term
// in its own month of its year.
TEST(Corvcal, ShowsTheLastYearsOfTheRange)
{
    const CorvcalResult grid = RunCorvcal({"month", "2100", "12"});
    ASSERT_EQ(grid.status, 0) << grid.err;
    EXPECT_NE(grid.out.find("2100"), std::string::npos) << grid.out;
    EXPECT_NE(grid.out.find("腊月"), std::string::npos) << grid.out; // the 12th lunar month begins on the 31st

    const CorvcalResult terms = RunCorvcal({"terms", "2099"});
    ASSERT_EQ(terms.status, 0) << terms.err;
    std::istringstream lines(terms.out);
    std::string line;
    int term = 0;
    while (std::getline(lines, line)) {
        ++term;
        const std::string month = line.substr(line.rfind('\t') + 1, 7);
        const int m = (term + 1) / 2;
        const std::string expected = (m < 10 ? "2099-0" : "2099-") + std::to_string(m);
        EXPECT_EQ(line.rfind(std::to_string(term) + "\t" + std::string(ModAgrCAl::GetsTermName(term)), 0), 0u) << line;
        EXPECT_EQ(month, expected) << line;
    }
    EXPECT_EQ(term, 24);
}

} // namespace
