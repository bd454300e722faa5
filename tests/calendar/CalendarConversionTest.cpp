// The C++ calendar API: conversion both ways, the shape of lunar years, the range and its errors.
#include "CalendarErrorOf.h"

#include <gtest/gtest.h>

namespace
{

using namespace std::chrono;
using corvane::lunar_date;

// Golden days on the boundaries of years, months and the table (the engine's documented examples).
struct Golden {
    year_month_day gregorian;
    lunar_date lunar;
};
const Golden kGolden[] = {
    {1900y / January / 31, {1900, 1, false, 1}}, // the first day of the calendar
    {1902y / March / 8, {1902, 1, false, 29}},
    {1902y / March / 9, {1902, 1, false, 30}}, // the first month of 1902 has 30 days
    {1902y / March / 10, {1902, 2, false, 1}},
    {2001y / May / 23, {2001, 4, true, 1}}, // the leap 4th month
    {2001y / June / 21, {2001, 5, false, 1}},
    {2002y / February / 11, {2001, 12, false, 30}}, // lunar New Year's Eve
    {2002y / February / 12, {2002, 1, false, 1}},
    {2002y / July / 19, {2002, 6, false, 10}},
    {2031y / December / 31, {2031, 11, false, 18}}, // the last day of the listed years
    {2033y / December / 22, {2033, 11, true, 1}}, // a leap 11th month
    {2034y / January / 20, {2033, 12, false, 1}},
    {2057y / September / 28, {2057, 8, false, 30}}, // the new moon of the 9th month comes seconds after midnight
    {2057y / September / 29, {2057, 9, false, 1}},
    {2100y / December / 31, {2100, 12, false, 1}}, // the last day of the calendar
};

TEST(CalendarConversion, GoldenDaysConvertBothWays)
{
    for (const Golden &g : kGolden) {
        EXPECT_EQ(corvane::to_lunar(g.gregorian), g.lunar) << int(g.gregorian.year());
        EXPECT_EQ(corvane::to_gregorian(g.lunar), g.gregorian) << g.lunar.year << "-" << g.lunar.month;
        EXPECT_EQ(corvane::try_to_lunar(g.gregorian), g.lunar);
        EXPECT_EQ(corvane::try_to_gregorian(g.lunar), g.gregorian);
    }
    // Any day type that converts to year_month_day will do.
    EXPECT_EQ(corvane::to_lunar(sys_days{2002y / July / 19}), (lunar_date{2002, 6, false, 10}));
}

TEST(CalendarConversion, EveryDayRoundTripsAndLunarDaysCountOnByOne)
{
    const corvane::calendar_range range = corvane::supported_range();
    lunar_date previous = corvane::to_lunar(range.first);
    ASSERT_EQ(previous, (lunar_date{1900, 1, false, 1}));
    int count = 1;
    for (sys_days d = sys_days{range.first} + days{1}; d <= sys_days{range.last}; d += days{1}) {
        const lunar_date lunar = corvane::to_lunar(d);
        ASSERT_EQ(corvane::to_gregorian(lunar), year_month_day{d}) << lunar.year << "-" << lunar.month;
        if (lunar.day == 1) {
            // A month ends: it had as many days as month_length says.
            ASSERT_EQ(corvane::month_length(previous.year, previous.month, previous.leap), previous.day)
                << previous.year << "-" << previous.month;
            const bool leapFollows = lunar.leap && lunar.month == previous.month;
            const bool nextMonth = !lunar.leap && lunar.month == previous.month % 12 + 1;
            ASSERT_TRUE(leapFollows || nextMonth) << lunar.year << "-" << lunar.month;
            ASSERT_EQ(lunar.year, previous.year + (lunar.month == 1 && !lunar.leap ? 1 : 0));
            if (lunar.leap) {
                ASSERT_EQ(corvane::leap_month(lunar.year), lunar.month);
            }
        } else {
            ASSERT_EQ(lunar, (lunar_date{previous.year, previous.month, previous.leap, previous.day + 1}));
        }
        previous = lunar;
        ++count;
    }
    EXPECT_EQ(count, (sys_days{2100y / December / 31} - sys_days{1900y / January / 31}).count() + 1);
}

TEST(CalendarConversion, DaysOutsideTheCalendarOrThatDoNotExistAreRefused)
{
    struct Case {
        year_month_day day;
        int error;
    };
    const Case cases[] = {
        {1900y / January / 30, 9}, // lunar year 1899 is not in the tables
        {2101y / January / 1, 9},
        {-32767y / January / 1, 9},
        {2002y / February / 29, 5},
        {2002y / month(13) / 1, 5},
        {2002y / April / 31, 5},
        {2002y / April / day(0), 5},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CalendarErrorOf([&] { corvane::to_lunar(c.day); }), c.error) << int(c.day.year());
        EXPECT_FALSE(corvane::try_to_lunar(c.day));
    }
    try {
        corvane::to_lunar(2101y / January / 1);
        FAIL();
    } catch (const corvane::calendar_error &e) {
        EXPECT_STREQ(e.what(), "Subscript out of range: 2101-01-01 is outside the calendar (1900-01-31 to 2100-12-31)");
    }
}

TEST(CalendarConversion, LunarDatesThatDoNotExistAreRefused)
{
    struct Case {
        lunar_date date;
        int error;
    };
    const Case cases[] = {
        {{2002, 4, true, 1}, 5}, // 2002 has no leap month
        {{2001, 3, true, 1}, 5}, // 2001 repeats the 4th month, not the 3rd
        {{2002, 7, false, 30}, 5}, // the 7th month of 2002 has 29 days
        {{2002, 6, false, 0}, 5},
        {{2002, 6, false, 31}, 5},
        {{2002, 0, false, 1}, 5},
        {{2002, 13, false, 1}, 5},
        {{1899, 12, false, 1}, 9},
        {{2033, 10, true, 1}, 5}, // 2033 repeats the 11th month, not the 10th
        {{2101, 1, false, 1}, 9},
        {{2100, 12, false, 2}, 9}, // 2101-01-01: past the last day
        {{2100, 12, false, 29}, 9}, // 2101-01-28
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CalendarErrorOf([&] { corvane::to_gregorian(c.date); }), c.error)
            << c.date.year << "-" << c.date.month;
        EXPECT_FALSE(corvane::try_to_gregorian(c.date));
    }
    EXPECT_EQ(corvane::to_gregorian({2002, 6, false, 30}), 2002y / August / 8);
}

TEST(CalendarConversion, LeapMonthsAndMonthLengthsOfLunarYears)
{
    struct Case {
        int year;
        unsigned leap;
    };
    for (const Case c : {Case{1900, 8}, Case{1984, 10}, Case{2001, 4}, Case{2002, 0}, Case{2031, 3}, Case{2033, 11}})
        EXPECT_EQ(corvane::leap_month(c.year), c.leap) << c.year;
    EXPECT_EQ(CalendarErrorOf([] { corvane::leap_month(1899); }), 9);
    EXPECT_EQ(CalendarErrorOf([] { corvane::leap_month(2101); }), 9);

    EXPECT_EQ(corvane::month_length(1900, 8, true), 29u);
    EXPECT_EQ(corvane::month_length(1900, 8), 30u);
    EXPECT_EQ(corvane::month_length(1902, 1), 30u);
    EXPECT_EQ(corvane::month_length(2002, 7), 29u);
    EXPECT_EQ(CalendarErrorOf([] { corvane::month_length(2002, 4, true); }), 5);
    EXPECT_EQ(corvane::month_length(2033, 11, true), 29u);
    EXPECT_EQ(corvane::month_length(2100, 12), 29u); // known from the table, though it ends after the range
    EXPECT_EQ(CalendarErrorOf([] { corvane::month_length(2101, 1); }), 9);
}

TEST(CalendarConversion, TheRangeIsTheTablesSpan)
{
    const corvane::calendar_range range = corvane::supported_range();
    EXPECT_EQ(range.first, 1900y / January / 31);
    EXPECT_EQ(range.last, 2100y / December / 31);
    EXPECT_EQ(range.first_term_year, 1900);
    EXPECT_EQ(range.last_term_year, 2100);
}

} // namespace
