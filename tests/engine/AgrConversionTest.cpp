#include "engine/AgrConversion.h"
#include "engine/AgrYearTable.h"

#include "EngineTestSupport.h"
#include "ErrorOf.h"
#include <gtest/gtest.h>

#include "platform/date/DateFormat.h"

#include <chrono>

using namespace corvane::ModAgrCAl;
using corvane::date::FromYmd;

namespace
{

struct ToAgrCase {
    int y, m, d;
    AgrDate expected;
};

TEST(UniToAgrDate, GoldenDates)
{
    const ToAgrCase cases[] = {
        {1900, 1, 31, {1900, "1", 1, 1}}, // first day of the table
        {1902, 3, 8, {1902, "1", 29, 1}}, // the first month of 1902 has 30 days
        {1902, 3, 9, {1902, "1", 30, 1}},
        {1902, 3, 10, {1902, "2", 1, 2}},
        {2001, 5, 23, {2001, "4R", 1, 5}}, // leap 4th month
        {2001, 6, 21, {2001, "5", 1, 6}},
        {2002, 2, 11, {2001, "12", 30, 13}}, // New Year's Eve of a leap year: 12th month is slot 13
        {2002, 2, 12, {2002, "1", 1, 1}},
        {2002, 7, 19, {2002, "6", 10, 6}},
        {2009, 6, 23, {2009, "5R", 1, 6}},
        {1984, 11, 23, {1984, "10R", 1, 11}}, // the only two-digit leap month
        {2031, 12, 31, {2031, "11", 18, 12}}, // last day of the listed years
        {2032, 1, 1, {2031, "11", 19, 12}}, // before New Year of 2032, the first computed row
        {2033, 11, 22, {2033, "11", 1, 11}}, // 2033 repeats its 11th month
        {2033, 12, 21, {2033, "11", 30, 11}},
        {2033, 12, 22, {2033, "11R", 1, 12}},
        {2034, 1, 19, {2033, "11R", 29, 12}},
        {2034, 1, 20, {2033, "12", 1, 13}},
        {2034, 2, 18, {2033, "12", 30, 13}},
        {2034, 2, 19, {2034, "1", 1, 1}},
        {2100, 2, 9, {2100, "1", 1, 1}},
        {2100, 12, 31, {2100, "12", 1, 12}}, // last day the table reaches
        {2002, 2, 31, {2002, "1", 20, 1}}, // rolls to 2002-03-03
    };
    for (const auto &c : cases)
        EXPECT_EQ(UniToAgrDate(c.y, c.m, c.d), c.expected) << c.y << '-' << c.m << '-' << c.d;
}

TEST(UniToAgrDate, DaysOutsideTheTableAreSubscriptErrors)
{
    EXPECT_EQ(ErrorOf([&] { UniToAgrDate(1900, 1, 30); }),
              9); // lunar year 1899
    EXPECT_EQ(ErrorOf([&] { UniToAgrDate(1899, 12, 31); }), 9);
    EXPECT_EQ(ErrorOf([&] { UniToAgrDate(2101, 1, 1); }),
              9); // lunar year 2100 runs on into January 2101, but the Gregorian year is past the table
}

TEST(UniToAgrDate, TheLeapMonthOf1900FollowsTheEighth)
{
    // Walk from lunar 1900 "8" day 30 over the leap month to "9" day 1.
    const corvane::date::Date eighth30 = AgrToUniDate(1900, "8", 30);
    const auto ymd = [](corvane::date::Date d) { return corvane::date::YmdOf(d); };
    const auto next = ymd(eighth30 + 1);
    EXPECT_EQ(UniToAgrDate(next.year, next.month, next.day), (AgrDate{1900, "8R", 1, 9}));
    const auto leapEnd = ymd(AgrToUniDate(1900, "8R", 29) + 1);
    EXPECT_EQ(UniToAgrDate(leapEnd.year, leapEnd.month, leapEnd.day), (AgrDate{1900, "9", 1, 10}));
}

struct ToUniCase {
    int year;
    const char *month;
    int day;
    int y, m, d;
};

TEST(AgrToUniDate, GoldenDates)
{
    const ToUniCase cases[] = {
        {1900, "1", 1, 1900, 1, 31},
        {2001, "4R", 1, 2001, 5, 23},
        {2001, "5", 1, 2001, 6, 21},
        {2001, "4", 1, 2001, 4, 23},
        {2002, "6", 10, 2002, 7, 19},
        {2001, "12", 30, 2002, 2, 11}, // day number beyond the Gregorian year
        {2002, "1", 0, 2002, 2, 11}, // day 0 is the day before the 1st
        {2002, "1", 31, 2002, 3, 14}, // a day past the month runs on into the next
        {2002, "0", 1, 2002, 1, 14}, // month 0 is the 29 days before the first month
        {2031, "12", 1, 2032, 1, 13},
        {2033, "11", 30, 2033, 12, 21},
        {2033, "11R", 1, 2033, 12, 22},
        {2033, "11R", 29, 2034, 1, 19},
        {2033, "12", 1, 2034, 1, 20},
        {2034, "1", 1, 2034, 2, 19},
        {2100, "12", 1, 2100, 12, 31},
        {2100, "12", 29, 2101, 1, 28}, // the last lunar day of the table
    };
    for (const auto &c : cases)
        EXPECT_EQ(AgrToUniDate(c.year, c.month, c.day), FromYmd(c.y, c.m, c.d)) << c.year << ' ' << c.month;
    EXPECT_EQ(AgrDateToDayNumber(1900, "1", 1), 31);
    EXPECT_EQ(AgrDateToDayNumber(2001, "12", 30), 365 + 42);
}

TEST(AgrMonthSlot, TheLeapMonthAndTheMonthsAfterItMoveOneSlotOn)
{
    struct Case {
        std::int16_t year;
        int month;
        bool leap;
        int slot;
    };
    const Case cases[] = {
        {2001, 3, false, 3},
        {2001, 4, false, 4},
        {2001, 4, true, 5},
        {2001, 5, false, 6},
        {2001, 12, false, 13},
        {2002, 12, false, 12},
        {1984, 10, true, 11},
        {1984, 11, false, 12},
        {2033, 11, false, 11},
        {2033, 11, true, 12},
        {2033, 12, false, 13},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AgrMonthSlot(c.year, c.month, c.leap), c.slot) << c.year << '-' << c.month << (c.leap ? "R" : "");
    EXPECT_EQ(ErrorOf([] { AgrMonthSlot(2101, 1, false); }), 9);
}

TEST(AgrToUniDate, RejectsYearsOutsideTheTableAndOverflow)
{
    EXPECT_EQ(ErrorOf([&] { AgrToUniDate(1899, "1", 1); }), 9);
    EXPECT_EQ(ErrorOf([&] { AgrToUniDate(2101, "1", 1); }), 9);
    EXPECT_EQ(ErrorOf([&] { AgrDateToDayNumber(2002, "1", 32767); }), 6);
    EXPECT_EQ(ErrorOf([&] { AgrDateToDayNumber(2002, "15", 1); }),
              9); // no 15th slot to sum up to
}

// Every day of the table: Gregorian -> lunar -> Gregorian is the identity, and the lunar dates agree
// with walking the slots of each year from its New Year's Day.
TEST(AgrConversion, EveryDayRoundTripsAndMatchesTheSlotWalk)
{
    using namespace std::chrono;
    int lunarYear = 1900;
    int slot = 1;
    int day = 1;
    int checked = 0;
    for (sys_days d = sys_days{year{1900} / January / 31}; d <= sys_days{year{2100} / December / 31}; d += days{1}) {
        const year_month_day ymd{d};
        const auto y = std::int16_t(int(ymd.year()));
        const auto m = std::int16_t(unsigned(ymd.month()));
        const auto dd = std::int16_t(unsigned(ymd.day()));
        const AgrDate agr = UniToAgrDate(y, m, dd);
        ASSERT_EQ(agr.Year, lunarYear) << y << '-' << m << '-' << dd;
        ASSERT_EQ(agr.MonthSlot, slot) << y << '-' << m << '-' << dd;
        ASSERT_EQ(agr.Day, day) << y << '-' << m << '-' << dd;
        ASSERT_EQ(AgrToUniDate(agr.Year, agr.Month, agr.Day), corvane::date::FromDays(d));

        const AgrYearInfo &row = AgrYear(lunarYear);
        const int leap = row.LeapMonth;
        const int expectedMonth = (leap && slot > leap) ? slot - 1 : slot;
        const bool expectedLeap = leap && slot == leap + 1;
        ASSERT_EQ(agr.Month, MakeMonthText(expectedMonth, expectedLeap));

        // Advance the walk by one day.
        if (++day > 29 + row.MonthBig[std::size_t(slot - 1)]) {
            day = 1;
            if (++slot > (leap ? 13 : 12)) {
                slot = 1;
                ++lunarYear;
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 73384); // 1900-01-31 .. 2100-12-31
}

TEST(MonthText, ReadsNumbersAndTheLeapMark)
{
    EXPECT_EQ(ParseMonthText("8").number, 8);
    EXPECT_FALSE(ParseMonthText("8").leap);
    EXPECT_EQ(ParseMonthText("10R").number, 10);
    EXPECT_TRUE(ParseMonthText("10R").leap);
    EXPECT_TRUE(ParseMonthText("R4").leap);
    EXPECT_EQ(ParseMonthText("R4").number, 4);
    EXPECT_EQ(ParseMonthText("").number, 0);
    EXPECT_EQ(ParseMonthText(" 7x9").number, 7);
    EXPECT_EQ(MakeMonthText(12, false), "12");
    EXPECT_EQ(MakeMonthText(4, true), "4R");
}

} // namespace
