#include "tools/lunargen/LunarMonths.h"
#include "tools/lunargen/AgrYearRow.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace
{

using namespace corvane::lunargen;
using namespace std::chrono;

// Synthetic calendars, one character per month, from 1 December 1999, months of 30 and 29 days in
// turn: 'W' holds the winter solstice, 'w' holds it on the day of its new moon, 'T' holds one principal
// term, 'D' two, 'e' one on its last day, '-' none. A last new moon closes the last month.
CalendarDays calendar(const std::string &pattern)
{
    CalendarDays result;
    local_days start{year{1999} / December / 1};
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const int length = i % 2 == 0 ? 30 : 29;
        result.newMoons.push_back(start);
        switch (pattern[i]) {
        case 'W':
            result.principalTerms.push_back({start + days{10}, true});
            break;
        case 'w':
            result.principalTerms.push_back({start, true});
            break;
        case 'T':
            result.principalTerms.push_back({start + days{10}, false});
            break;
        case 'D':
            result.principalTerms.push_back({start + days{1}, false});
            result.principalTerms.push_back({start + days{28}, false});
            break;
        case 'e':
            result.principalTerms.push_back({start + days{length - 1}, false});
            break;
        default:
            break;
        }
        start += days{length};
    }
    result.newMoons.push_back(start);
    return result;
}

const std::string kCommonSui = "WTTTTTTTTTTT";

std::vector<std::string> numbers(const std::vector<LunarMonth> &months)
{
    std::vector<std::string> result;
    for (const LunarMonth &month : months) {
        result.push_back(std::to_string(month.number) + (month.leap ? "R" : ""));
    }
    return result;
}

// The second of three winter-solstice years has 13 months, and its month at position p (1..12 after
// the 11th month) has no principal term: that month is the leap month, repeating the month before it,
// and belongs to the lunar year of the month it repeats.
TEST(LunarMonths, TheMonthWithoutAPrincipalTermInAThirteenMonthYearIsTheLeapMonth)
{
    const char *const sequence[] = {"11", "12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    for (std::size_t p = 1; p <= 12; ++p) {
        std::string leapSui = "WTTTTTTTTTTTT";
        leapSui[p] = '-';
        const std::vector<LunarMonth> months = lunarMonths(calendar(kCommonSui + leapSui + kCommonSui + "W"));
        ASSERT_EQ(months.size(), 37u) << p;

        std::vector<std::string> expected(sequence, sequence + 12);
        expected.insert(expected.begin() + static_cast<long>(p), std::string(sequence[p - 1]) + "R");
        const auto all = numbers(months);
        EXPECT_EQ(std::vector<std::string>(all.begin() + 12, all.begin() + 25), expected) << p;

        // Lunar 2000 runs from the 1st month of the first year to that of the second; leap 11th and
        // 12th months fall in it, leap months from the 1st on in lunar 2001.
        const int leap2000 = p <= 2 ? (p == 1 ? 11 : 12) : 0;
        const int leap2001 = p >= 3 ? static_cast<int>(p) - 2 : 0;
        EXPECT_EQ(agrYearRow(months, 2000).leapMonth, leap2000) << p;
        EXPECT_EQ(agrYearRow(months, 2000).monthDays.size(), leap2000 ? 13u : 12u) << p;
        EXPECT_EQ(agrYearRow(months, 2001).leapMonth, leap2001) << p;
        EXPECT_EQ(agrYearRow(months, 2001).monthDays.size(), leap2001 ? 13u : 12u) << p;
    }
}

TEST(LunarMonths, PrincipalTermsCountOnTheCivilDayAndOnlyTheFirstEmptyMonthIsLeap)
{
    const struct {
        const char *sui;
        const char *leap; // the leap month's text, or "" for none
    } cases[] = {
        {"WTT-T-TTTTTTT", "1R"}, // two months without a term: the first
        {"WTTTTTTTTTTT", ""},
        {"WTTTTD-TTTTT", ""}, // a month without a term in a 12-month year is no leap month
        {"wTTeTTTTTTTT-", "10R"}, // terms on the first and the last day of a month belong to it
        {"WTTe-TTTTTTTT", "2R"},
    };
    for (const auto &c : cases) {
        const std::vector<LunarMonth> months = lunarMonths(calendar(kCommonSui + c.sui + kCommonSui + "W"));
        std::string leap;
        for (const std::string &number : numbers(months)) {
            if (number.back() == 'R') {
                leap = number;
            }
        }
        EXPECT_EQ(leap, c.leap) << c.sui;
        EXPECT_EQ(numbers(months)[12], "11") << c.sui;
    }
}

TEST(LunarMonths, RefusesEventsThatDoNotSpanTwoWinterSolstices)
{
    EXPECT_THROW(lunarMonths(calendar("WTTTTTTTTTTT")), std::runtime_error);
    CalendarDays open = calendar(kCommonSui + "W");
    open.newMoons.pop_back(); // the month of the second solstice is never closed
    EXPECT_THROW(lunarMonths(open), std::runtime_error);
    EXPECT_THROW(lunarMonths(calendar("WTTTTTTTTTT"
                                      "W")),
                 std::runtime_error); // 11 months apart
}

TEST(AgrYearRow, WritesTheYearTableRowText)
{
    const struct {
        AgrYearRow row;
        const char *text;
    } cases[] = {
        {{1900, 30, {29, 30, 29, 29, 30, 29, 30, 30, 29, 30, 30, 29, 30}, 8}, "30;0100101101101;8"},
        {{1901, 49, {29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 30, 29}, 0}, "49;0100101011102;0"},
        {{2033, 30, {29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 30, 29, 30}, 11}, "30;0100101011101;11"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(rowText(c.row), c.text);
    }
}

} // namespace
