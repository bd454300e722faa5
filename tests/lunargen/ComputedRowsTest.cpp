#include "engine/AgrYearTable.h"
#include "tools/lunargen/AgrYearRow.h"
#include "tools/lunargen/ComputedRowsFile.h"
#include "tools/lunargen/ListedTableProof.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>

namespace
{

using namespace corvane::lunargen;

// Leap months as the Hong Kong Observatory's Gregorian-lunar conversion tables give them, with 1984 (the
// leap 10th month) and 2033, the year whose leap 11th month the rule "the first month without a
// principal term" settles. 0 = no leap month.
TEST(ComputedRows, PlaceTheLeapMonthOfKnownYears)
{
    const std::map<int, int> known = {
        {1984, 10},
        {2017, 6},
        {2020, 4},
        {2023, 2},
        {2024, 0},
        {2025, 6},
        {2032, 0},
        {2033, 11},
        {2034, 0},
        {2036, 6},
        {2039, 5},
        {2042, 2},
        {2044, 7},
        {2047, 5},
        {2050, 3},
    };
    for (const auto &[year, leap] : known) {
        const auto rows = agrYearRows(calendarDays(calendarEvents(year, year), kCalendarMeridian), year, year);
        EXPECT_EQ(rows.front().leapMonth, leap) << year;
        EXPECT_EQ(rows.front().monthDays.size(), leap == 0 ? 12u : 13u) << year;
    }
}

// The computed rows continue the listed table: each New Year follows from the one before and the length
// of the lunar year between (the first from the listed 2031), a year has 13 months exactly when it has
// a leap month, and every row reads back as the table parses it.
TEST(ComputedRows, ChainFromTheLastListedYear)
{
    const auto rows =
        agrYearRows(calendarDays(calendarEvents(kFirstComputedYear, kLastComputedYear), kCalendarMeridian),
                    kFirstComputedYear,
                    kLastComputedYear);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kLastComputedYear - kFirstComputedYear + 1));
    int expectedOffset = corvane::ModAgrCAl::AgrYear(kLastListedYear).NewYearOffset
        + corvane::ModAgrCAl::AgrYearLength(kLastListedYear) - 365;
    for (const AgrYearRow &row : rows) {
        EXPECT_EQ(row.newYearOffset, expectedOffset) << row.year;
        EXPECT_EQ(row.monthDays.size() == 13, row.leapMonth != 0) << row.year;
        EXPECT_GE(row.leapMonth, 0);
        EXPECT_LE(row.leapMonth, 12);
        int length = 0;
        for (const int days : row.monthDays) {
            length += days;
        }
        const std::chrono::year gregorian{row.year};
        expectedOffset = row.newYearOffset + length - (gregorian.is_leap() ? 366 : 365);
    }
}

// The listed years, computed under both meridians: standard time throughout misses the four rows whose
// new moon falls in the 14 minutes 20 seconds between midnight in Beijing and in UTC+8; Beijing mean
// time before 1929 reproduces them and misses only 1906, whose new moon of 24 April lies 6.6 minutes
// after midnight in UTC+8. Every row missed under the calendar's meridian must be explained by one
// event within ten minutes of midnight.
TEST(ComputedRows, ReproduceTheListedTableExceptNearMidnightAcrossTheMeridians)
{
    const CalendarEvents events = calendarEvents(kFirstListedYear, kLastListedYear);
    const std::chrono::seconds window = std::chrono::minutes{10};
    const auto differingYears = [&](const CalendarMeridian &meridian) {
        std::set<int> years;
        for (const RowDifference &difference :
             differencesFromListed(events, meridian, kFirstListedYear, kLastListedYear, window)) {
            years.insert(difference.year);
            if (meridian == kCalendarMeridian) {
                EXPECT_FALSE(difference.explanations.empty()) << difference.year;
            }
            for (const MidnightEvent &event : difference.explanations) {
                EXPECT_LE(std::chrono::abs(fromMidnight(event.civil)), window) << difference.year;
            }
        }
        return years;
    };
    EXPECT_EQ(differingYears(kStandardTimeThroughout), (std::set<int>{1914, 1915, 1916, 1920}));
    EXPECT_EQ(differingYears(kBeijingTimeBefore1929), (std::set<int>{1906}));
}

} // namespace
