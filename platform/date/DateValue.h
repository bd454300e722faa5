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

int Year(Date value);
int Month(Date value);
int Day(Date value);
int Weekday(Date value); // [1, 7], 1 = Sunday
int DayOfYear(Date value); // [1, 366]
int DayOfYear(int year, int month, int day);
int Hour(Date value);
int Minute(Date value);
int Second(Date value);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

} // namespace corvane::date
