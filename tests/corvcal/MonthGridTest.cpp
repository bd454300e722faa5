#include "RunCorvcal.h"

#include "CorvcalRange.h"
#include "DisplayWidth.h"
#include "MonthGrid.h"
#include "platform/automation/Utf8.h"

#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"

#include <gtest/gtest.h>

using namespace corvane;
using corvcal::kCellPitch;
using corvcal::kCellWidth;
using corvcal::kGridWidth;

namespace
{

// A run of non-blank characters of a line and the display columns it takes.
struct Word {
    int column;
    int width;
    std::string text;
};

std::vector<Word> Words(const std::string &line)
{
    std::vector<Word> words;
    int column = 0;
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t start = pos;
        const char32_t c = DecodeUtf8(line, pos);
        const int width = corvcal::CodepointWidth(c);
        if (c != ' ') {
            if (words.empty() || words.back().column + words.back().width != column)
                words.push_back({column, 0, ""});
            words.back().width += width;
            words.back().text += line.substr(start, pos - start);
        }
        column += width;
    }
    return words;
}

// The text without its SGR escapes (ESC [ ... m).
std::string WithoutEscapes(const std::string &text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\x1b')
            i = text.find('m', i);
        else
            plain += text[i];
    }
    return plain;
}

// Checks the week lines of one grid whose left edge is at `left`: every day number sits at the end of
// the number place of its weekday's cell, its name beneath it inside the same cell with the gap column
// after the cell left free, and the days run 1 to the month's last.
void ExpectWeeks(const std::vector<std::string> &lines,
                 std::size_t first,
                 std::size_t count,
                 int left,
                 int year,
                 int month,
                 bool monday)
{
    int expectedDay = 1;
    for (std::size_t i = first; i + 1 < first + count; i += 2) {
        const auto inGrid = [left](const std::string &line) {
            std::vector<Word> words = Words(line);
            std::erase_if(words, [left](const Word &w) { return w.column < left || w.column >= left + kGridWidth; });
            return words;
        };
        const std::vector<Word> numbers = inGrid(lines[i]), names = inGrid(lines[i + 1]);
        ASSERT_EQ(numbers.size(), names.size()) << lines[i] << "\n" << lines[i + 1];
        for (std::size_t k = 0; k < numbers.size(); ++k, ++expectedDay) {
            ASSERT_EQ(numbers[k].text, std::to_string(expectedDay)) << lines[i];
            const int weekday = date::Weekday(date::FromYmd(year, month, expectedDay)) - 1; // Sunday 0
            const int cell = left + (monday ? (weekday + 6) % 7 : weekday) * kCellPitch;
            EXPECT_EQ(numbers[k].column + numbers[k].width, cell + 4) << year << "-" << month << " " << lines[i];
            EXPECT_GE(names[k].column, cell) << names[k].text << " " << year << "-" << month;
            EXPECT_LE(names[k].column + names[k].width, cell + kCellWidth) << lines[i + 1];
            EXPECT_GE(names[k].width, 4);
        }
    }
    EXPECT_EQ(expectedDay - 1, date::DaysInMonth(year, month)) << year << "-" << month;
}

TEST(MonthGrid, EveryDayOfEveryMonthKeepsToItsOwnCell)
{
    for (const bool monday : {false, true}) {
        for (int year = corvcal::kFirstYear; year <= corvcal::kLastYear; ++year) {
            for (int month = 1; month <= 12; ++month) {
                if (!corvcal::IsConvertibleMonth(year, month))
                    continue;
                const std::string y = std::to_string(year), m = std::to_string(month);
                std::vector<std::string_view> args{"month", y, m};
                if (monday)
                    args.push_back("--monday");
                const CorvcalResult r = RunCorvcal(args);
                ASSERT_EQ(r.status, 0) << r.err;
                const std::vector<std::string> lines = Lines(r.out);
                ASSERT_GE(lines.size(), 11u);
                EXPECT_EQ(Words(lines[1])[0].text, monday ? "一" : "日");
                for (std::size_t i = 1; i + 1 < lines.size(); ++i)
                    EXPECT_LE(corvcal::DisplayWidth(lines[i]), kGridWidth) << lines[i];
                ExpectWeeks(lines, 2, lines.size() - 3, 0, year, month, monday);
                if (HasFailure())
                    return;
            }
        }
    }
}

TEST(MonthGrid, NeighbouringFestivalNamesStayApart)
{
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"month", "2025", "5"}, "母亲节 护士节"}, // 2025-05-11 and 12
        {{"month", "2014", "10"}, "国庆节 重阳节"}, // 2014-10-01 and 02
    };
    for (const auto &[args, names] : cases)
        EXPECT_NE(RunCorvcal(args).out.find(names), std::string::npos) << RunCorvcal(args).out;
}

// -3 and -y set grids side by side, kGridWidth columns each with a gap of four.
TEST(MonthGrid, MonthsSideBySideLineUp)
{
    struct Case {
        std::vector<std::string_view> args;
        std::vector<std::pair<int, int>> months; // year and month of each grid, in order
        bool wholeYear;
        bool monday;
    };
    std::vector<std::pair<int, int>> months2014;
    for (int m = 1; m <= 12; ++m)
        months2014.push_back({2014, m});
    const Case cases[] = {
        {{"-3", "2002", "1"}, {{2001, 12}, {2002, 1}, {2002, 2}}, false, false},
        {{"-y", "2014", "--monday"}, months2014, true, true},
    };
    for (const Case &c : cases) {
        const CorvcalResult r = RunCorvcal(c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> lines = Lines(r.out);
        std::size_t top = 0;
        if (c.wholeYear) {
            EXPECT_EQ(Words(lines[0])[0].text, "2014年");
            top = 2; // the year's heading and a blank line
        }
        for (std::size_t i = 0; i < c.months.size(); ++i) {
            const auto [y, m] = c.months[i];
            const int left = int(i % 3) * (kGridWidth + 4);
            const std::vector<Word> titles = Words(lines[top]); // "2002年1月", "农历辛巳年/壬午年", "(蛇)"
            ASSERT_EQ(titles.size(), 9u) << lines[top];
            EXPECT_EQ(titles[(i % 3) * 3].text,
                      (c.wholeYear ? "" : std::to_string(y) + "年") + std::to_string(m) + "月");
            EXPECT_GE(titles[(i % 3) * 3].column, left);
            ExpectWeeks(lines, top + 2, 12, left, y, m, c.monday);
            EXPECT_EQ(Words(lines[top + 14])[(i % 3) * 2].column, left) << lines[top + 14]; // the solar terms
            if (i % 3 == 2)
                top += 16; // title, weekdays, six weeks, terms, blank line
        }
        EXPECT_EQ(lines.size(), top - 1);
    }
}

TEST(MonthGrid, TodayIsInReverseVideoOnlyWhenColourIsWanted)
{
    const date::FixedClock clock(date::FromYmd(2025, 5, 12));
    const date::ScopedClock pin(clock);
    struct Case {
        std::vector<std::string_view> args;
        corvcal::Terminal terminal;
        bool highlighted;
    };
    const corvcal::Terminal pipe{false, false}, tty{true, false}, ttyNoColor{true, true}, pipeNoColor{false, true};
    const Case cases[] = {
        {{}, pipe, false},
        {{}, tty, true},
        {{}, ttyNoColor, false},
        {{"--color=never"}, tty, false},
        {{"--color=always"}, pipeNoColor, true}, // an explicit request outranks NO_COLOR
        {{"--color"}, pipe, true},
        {{"-y"}, tty, true},
        {{"2025", "6"}, tty, false}, // today is not in the month
        {{"--json"}, tty, false},
    };
    for (const Case &c : cases) {
        const CorvcalResult r = RunCorvcal(c.args, c.terminal);
        ASSERT_EQ(r.status, 0) << r.err;
        const bool marked = r.out.find("\x1b[7m12\x1b[27m") != std::string::npos
            && r.out.find("\x1b[7m护士节\x1b[27m") != std::string::npos;
        EXPECT_EQ(marked, c.highlighted) << r.out;
        // The highlight adds escapes and nothing else.
        std::vector<std::string_view> plain = c.args;
        plain.push_back("--color=never");
        EXPECT_EQ(WithoutEscapes(r.out), RunCorvcal(plain).out);
    }
}

} // namespace
