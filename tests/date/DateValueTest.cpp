#include "platform/date/DateValue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>

using namespace corvane::date;

namespace
{

struct YmdCase {
    int year, month, day;
    Date expected;
};

// Serial numbers of the automation date type: 1899-12-30 is 0, 1900-01-01 is 2, 2002-07-19 is 37456.
TEST(DateValue, BuildsSerialNumbersFromYearMonthDayWithRollOver)
{
    const YmdCase cases[] = {
        {1899, 12, 30, 0},
        {1899, 12, 29, -1},
        {1900, 1, 1, 2},
        {1900, 3, 1, 61}, // 1900 is not a leap year
        {2000, 2, 29, 36585}, // 2000 is one
        {2002, 7, 19, 37456},
        {2002, 2, 31, 37318}, // 2002-03-03
        {2002, 13, 1, 37622}, // 2003-01-01
        {2002, 3, 0, 37315}, // 2002-02-28
        {2002, 0, 1, 37226}, // 2001-12-01
        {2002, -11, 1, 36892}, // 2001-01-01
        {2031, 12, 31, 48213},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FromYmd(c.year, c.month, c.day), c.expected) << c.year << '-' << c.month << '-' << c.day;
}

TEST(DateValue, NegativeValuesKeepTheTimeAsTheFractionsAbsoluteValue)
{
    // -1.25 is 1899-12-29 06:00, not 1899-12-28 18:00.
    const Ymd ymd = YmdOf(-1.25);
    EXPECT_EQ(ymd.year, 1899);
    EXPECT_EQ(ymd.month, 12);
    EXPECT_EQ(ymd.day, 29);
    EXPECT_EQ(Hour(-1.25), 6);
    EXPECT_EQ(Join(DaysFromYmd(1899, 12, 29), 6 * 3600.0), -1.25);
    EXPECT_EQ(Join(DaysFromYmd(1899, 12, 30), 6 * 3600.0), 0.25);
}

TEST(DateValue, PartsOfADate)
{
    const Date d = FromYmd(2002, 7, 19) + FromHms(10, 30, 15);
    EXPECT_EQ(Year(d), 2002);
    EXPECT_EQ(Month(d), 7);
    EXPECT_EQ(Day(d), 19);
    EXPECT_EQ(Weekday(d), 6); // a Friday; Sunday is 1
    EXPECT_EQ(DayOfYear(d), 200);
    EXPECT_EQ(Hour(d), 10);
    EXPECT_EQ(Minute(d), 30);
    EXPECT_EQ(Second(d), 15);
    EXPECT_EQ(Weekday(FromYmd(1899, 12, 31)), 1);
}

struct YearDayCase {
    int year, month, day;
    int expectedYear, expectedDay;
};

TEST(DateValue, YearAndDayOfYearAfterRollingOver)
{
    const YearDayCase cases[] = {
        {2000, 12, 31, 2000, 366},
        {1900, 12, 31, 1900, 365},
        {1900, 3, 1, 1900, 60},
        {2000, 3, 1, 2000, 61},
        {2002, 2, 29, 2002, 60}, // rolls to 1 March
        {2002, 13, 1, 2003, 1},
        {2002, 1, 0, 2001, 365},
        {2002, 1, 400, 2003, 35},
    };
    for (const auto &c : cases) {
        const YearDay yd = YearDayOf(c.year, c.month, c.day);
        EXPECT_EQ(yd.year, c.expectedYear) << c.year << '-' << c.month << '-' << c.day;
        EXPECT_EQ(yd.dayOfYear, c.expectedDay) << c.year << '-' << c.month << '-' << c.day;
    }
}

TEST(DateValue, RoundingToTheSecondCarriesIntoTheNextDay)
{
    const Date almostMidnight = FromYmd(2002, 7, 19) + (86400.0 - 0.0001) / 86400.0;
    EXPECT_EQ(Day(almostMidnight), 20);
    EXPECT_EQ(Hour(almostMidnight), 0);
    const Date halfSecondBefore = FromYmd(2002, 7, 19) + (86399.4) / 86400.0;
    EXPECT_EQ(Day(halfSecondBefore), 19);
    EXPECT_EQ(Second(halfSecondBefore), 59);
}

TEST(DateValue, ValuesOutsideTheDateRangeAreReadAsItsEnds)
{
    EXPECT_TRUE(IsValidDate(FromYmd(100, 1, 1)));
    EXPECT_TRUE(IsValidDate(FromYmd(9999, 12, 31) + 0.99999));
    EXPECT_FALSE(IsValidDate(FromYmd(9999, 12, 31) + 1));
    EXPECT_FALSE(IsValidDate(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(IsValidDate(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(Year(1e300), 9999);
    EXPECT_EQ(Year(-1e300), 100);
    EXPECT_EQ(Year(std::numeric_limits<double>::quiet_NaN()), 1899);
}

TEST(DateValue, TimesRollOverWholeDays)
{
    EXPECT_DOUBLE_EQ(FromHms(6, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(FromHms(25, 0, 0), 1.0 + 1.0 / 24);
    EXPECT_DOUBLE_EQ(FromHms(0, 90, 0), 1.5 / 24);
    EXPECT_EQ(Split(FromHms(0, 0, -1)).day, DaysFromYmd(1899, 12, 29));
}

// Month and year lengths and serials of real days are compile-time facts.
static_assert(!IsLeapYear(1900) && IsLeapYear(2000) && IsLeapYear(2024) && !IsLeapYear(2030));
static_assert(DaysInYear(1900) == 365 && DaysInYear(2000) == 366);
static_assert(DaysInMonth(1900, 2) == 28 && DaysInMonth(2000, 2) == 29);
static_assert(DaysInMonth(2002, 4) == 30 && DaysInMonth(2002, 12) == 31);
static_assert(SerialOf(1899, 12, 30) == 0 && SerialOf(1899, 12, 29) == -1 && SerialOf(1900, 3, 1) == 61);
static_assert(SerialOf(1901, 1, 1) == 367 && SerialOf(2030, 12, 31) == 47848);

TEST(DateValue, DatesAreHeldToARangeOfYearsByTheirMonthAndDay)
{
    const auto at = [](int y, int m, int d, int h, int min) { return FromYmd(y, m, d) + FromHms(h, min, 0); };
    constexpr YearRange years{1901, 2030};
    struct Case {
        Date given;
        Date stored;
    };
    const Case cases[] = {
        {at(2040, 5, 17, 14, 30), FromYmd(2030, 5, 17)}, // above: year replaced, time dropped
        {FromYmd(1896, 2, 29), FromYmd(1901, 3, 1)}, // 1901 has no 29 February
        {at(2002, 6, 10, 8, 15), at(2002, 6, 10, 8, 15)}, // inside: kept with its time
        {at(1901, 1, 1, 0, 0), at(1901, 1, 1, 0, 0)},
        {at(2030, 12, 31, 23, 59), at(2030, 12, 31, 23, 59)},
        {FromYmd(2031, 1, 1), FromYmd(2030, 1, 1)},
        {FromYmd(1900, 12, 31), FromYmd(1901, 12, 31)},
        {0.0, FromYmd(1901, 12, 30)}, // the zero date is 1899-12-30
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClampToYears(c.given, years), c.stored) << c.given;
}

// Every day of 1800..2100 survives the trip through the serial number and its parts.
TEST(DateValue, EveryDayRoundTripsThroughItsParts)
{
    using namespace std::chrono;
    Date previous = FromYmd(1799, 12, 31);
    for (sys_days d = sys_days{year{1800} / 1 / 1}; d <= sys_days{year{2100} / 12 / 31}; d += days{1}) {
        const year_month_day ymd{d};
        const Date value = FromYmd(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
        ASSERT_EQ(value, previous + 1);
        const Ymd back = YmdOf(Join(d, 12 * 3600.0)); // noon, also before 1899-12-30
        ASSERT_EQ(back.year, int(ymd.year()));
        ASSERT_EQ(back.month, int(unsigned(ymd.month())));
        ASSERT_EQ(back.day, int(unsigned(ymd.day())));
        ASSERT_EQ(Weekday(value), int(weekday{d}.c_encoding()) + 1);
        const YearDay yd = YearDayOf(back.year, back.month, back.day);
        ASSERT_EQ(yd.dayOfYear, (d - sys_days{ymd.year() / January / 1}).count() + 1);
        // And back, also counted from 1 January of the year before.
        const int previousYearLength = IsLeapYear(back.year - 1) ? 366 : 365;
        for (const YearDay from : {yd, YearDay{back.year - 1, yd.dayOfYear + previousYearLength}}) {
            const Ymd again = YmdOfYearDay(from.year, from.dayOfYear);
            ASSERT_EQ(again.year * 10000 + again.month * 100 + again.day,
                      back.year * 10000 + back.month * 100 + back.day)
                << from.year << " day " << from.dayOfYear;
        }
        ASSERT_EQ(DaysInMonth(back.year, back.month),
                  int(unsigned(year_month_day_last{ymd.year(), month_day_last{ymd.month()}}.day())));
        previous = value;
    }
}

} // namespace
