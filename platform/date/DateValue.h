#pragma once

#include <chrono>
#include <cstdint>

namespace corvane::date
{

// The date value every layer passes around: days since 1899-12-30 00:00 as a double, the fraction
// being the time of day; 0.0 stands for "no date". Negative values follow the automation date type:
// the integer part is the day (counted backwards) and the absolute value of the fraction is the time,
// so -1.25 is 1899-12-29 06:00 (not 1899-12-28 18:00).
using Date = double;

inline constexpr Date kNoDate = 0.0;
inline constexpr std::chrono::sys_days kEpoch = std::chrono::sys_days{std::chrono::year{1899} / 12 / 30};

// The date type's range: 100-01-01 (-657434) to 9999-12-31 23:59:59 (2958465.99999). Values outside
// it, and NaN or infinities, are not dates; Split and everything built on it read them as the nearest
// end of the range (NaN as the zero date), so that no input leads to undefined behaviour.
inline constexpr Date kMinDate = -657434.0;
inline constexpr Date kMaxDate = 2958465.99999;
bool IsValidDate(Date value);

// A date value taken apart, rounded to the whole second: the calendar day and the seconds since its
// midnight [0, 86399]. Rounding that reaches midnight carries into the next day.
struct DateParts {
    std::chrono::sys_days day;
    std::int32_t seconds;
};

DateParts Split(Date value);
Date Join(std::chrono::sys_days day, double secondsOfDay);
Date FromDays(std::chrono::sys_days day);

// The calendar day of a date value (the day Split gives).
std::chrono::sys_days DayOf(Date value);

// A date from year, month and day; out-of-range months and days roll forward or back as the date
// type does (2002-02-31 is 2002-03-03, month 13 is January of the next year, day 0 the last day of
// the previous month).
Date FromYmd(int year, int month, int day);
std::chrono::sys_days DaysFromYmd(int year, int month, int day);

// A time of day from hours, minutes and seconds, rolling over the same way (25:00 is 1 day 01:00).
Date FromHms(int hours, int minutes, int seconds);

struct Ymd {
    int year;
    int month; // [1, 12]
    int day; // [1, 31]
};
Ymd YmdOf(Date value);

// A span of whole Gregorian years [first, last].
struct YearRange {
    int first;
    int last;
    constexpr bool Contains(int year) const { return year >= first && year <= last; }
};

// The date held to `years`: a date whose year lies outside becomes the date built from the nearest
// year of the range and its own month and day (29 February of a year that lacks it carries into
// March), without time of day; a date inside is kept as it is, time included.
Date ClampToYears(Date value, YearRange years);

int Year(Date value);
int Month(Date value);
int Day(Date value);
int Weekday(Date value); // [1, 7], 1 = Sunday
int DayOfYear(Date value); // [1, 366]
int Hour(Date value);
int Minute(Date value);
int Second(Date value);

constexpr bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int DaysInYear(int year)
{
    return IsLeapYear(year) ? 366 : 365;
}

// The date value of a real calendar day (nothing rolls over), usable at compile time: 1901-01-01 is
// 367.
constexpr Date SerialOf(int year, int month, int day)
{
    using namespace std::chrono;
    return Date((sys_days{std::chrono::year{year} / month / day} - kEpoch).count());
}

// Days in the months of a year before month `month` [1, 12], by the closed formula for the Gregorian
// month lengths.
constexpr int DaysBeforeMonth(int month, bool leapYear)
{
    return (367 * month - 362) / 12 - (month > 2 ? (leapYear ? 1 : 2) : 0);
}

constexpr int DaysInMonth(int year, int month)
{
    const bool leap = IsLeapYear(year);
    return month == 12 ? 31 : DaysBeforeMonth(month + 1, leap) - DaysBeforeMonth(month, leap);
}

// The year and day of the year [1, 366] of a date given as year, month and day, after rolling
// month and day over as FromYmd does. Real dates take a short arithmetic path (conversions call this
// for every day they convert).
struct YearDay {
    int year;
    int dayOfYear;
};
YearDay YearDayOfRolled(int year, int month, int day);

inline YearDay YearDayOf(int year, int month, int day)
{
    if (month >= 1 && month <= 12 && day >= 1 && (day <= 28 || day <= DaysInMonth(year, month)))
        return {year, DaysBeforeMonth(month, IsLeapYear(year)) + day};
    return YearDayOfRolled(year, month, day);
}

// The inverse for days counted on from 1 January: day `dayOfYear` of `year`, running on into the next
// year past the year's end. dayOfYear [1, the days of `year` and the next together].
constexpr Ymd YmdOfYearDay(int year, int dayOfYear)
{
    if (const int length = DaysInYear(year); dayOfYear > length) {
        ++year;
        dayOfYear -= length;
    }
    // Counted as if February had 30 days, the months begin where DaysBeforeMonth's formula says,
    // (367 m - 362) / 12, and the month of a day has a closed form too.
    const bool leap = IsLeapYear(year);
    const int day = dayOfYear > (leap ? 60 : 59) ? dayOfYear + (leap ? 1 : 2) : dayOfYear;
    const int month = (12 * day + 361) / 367;
    return {year, month, day - (367 * month - 362) / 12};
}

} // namespace corvane::date
