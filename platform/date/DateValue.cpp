#include "DateValue.h"

#include <cmath>

namespace corvane::date
{

using namespace std::chrono;

namespace
{

constexpr double kSecondsPerDay = 86400.0;

// Splits a date value into its signed day count and the time of day in [0, 1).
void Decompose(Date value, double &wholeDays, double &timeOfDay)
{
    if (!IsValidDate(value))
        value = std::isnan(value) ? kNoDate : value < kMinDate ? kMinDate : kMaxDate;
    wholeDays = std::trunc(value);
    timeOfDay = std::fabs(value - wholeDays);
}

} // namespace

bool IsValidDate(Date value)
{
    return value >= kMinDate - 0.99999 && value <= kMaxDate; // false for NaN
}

DateParts Split(Date value)
{
    double wholeDays = 0;
    double timeOfDay = 0;
    Decompose(value, wholeDays, timeOfDay);
    auto seconds = static_cast<std::int32_t>(std::lround(timeOfDay * kSecondsPerDay));
    sys_days day = kEpoch + days{static_cast<long>(wholeDays)};
    if (seconds >= 86400) {
        seconds -= 86400;
        day += days{1};
    }
    return {day, seconds};
}

Date Join(sys_days day, double secondsOfDay)
{
    const double whole = static_cast<double>((day - kEpoch).count());
    const double fraction = secondsOfDay / kSecondsPerDay;
    return whole >= 0 ? whole + fraction : whole - fraction;
}

Date FromDays(sys_days day)
{
    return static_cast<double>((day - kEpoch).count());
}

sys_days DayOf(Date value)
{
    return Split(value).day;
}

sys_days DaysFromYmd(int year, int month, int day)
{
    // Normalise the month first (floor division keeps month 0 and negative months right), then let
    // the day run on from the 1st of that month.
    const int monthIndex = month - 1;
    const int yearShift = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
    const int normalMonth = monthIndex - yearShift * 12 + 1;
    const year_month_day first{std::chrono::year{year + yearShift}, std::chrono::month{unsigned(normalMonth)}, 1d};
    return sys_days{first} + days{day - 1};
}

Date FromYmd(int year, int month, int day)
{
    return FromDays(DaysFromYmd(year, month, day));
}

Date FromHms(int hours, int minutes, int seconds)
{
    const long total = long(hours) * 3600 + long(minutes) * 60 + seconds;
    const long dayCount = total >= 0 ? total / 86400 : -((86399 - total) / 86400);
    return Join(kEpoch + days{dayCount}, double(total - dayCount * 86400));
}

Ymd YmdOf(Date value)
{
    const year_month_day ymd{DayOf(value)};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

Date ClampToYears(Date value, YearRange years)
{
    const Ymd ymd = YmdOf(value);
    if (years.Contains(ymd.year))
        return value;
    return FromYmd(ymd.year > years.last ? years.last : years.first, ymd.month, ymd.day);
}

int Year(Date value)
{
    return YmdOf(value).year;
}

int Month(Date value)
{
    return YmdOf(value).month;
}

int Day(Date value)
{
    return YmdOf(value).day;
}

int Weekday(Date value)
{
    return int(weekday{DayOf(value)}.c_encoding()) + 1;
}

YearDay YearDayOfRolled(int year, int month, int day)
{
    const sys_days date = DaysFromYmd(year, month, day);
    const std::chrono::year rolledYear = year_month_day{date}.year();
    return {int(rolledYear), int((date - sys_days{rolledYear / January / 1}).count()) + 1};
}

int DayOfYear(Date value)
{
    const Ymd ymd = YmdOf(value);
    return YearDayOf(ymd.year, ymd.month, ymd.day).dayOfYear;
}

int Hour(Date value)
{
    return Split(value).seconds / 3600;
}

int Minute(Date value)
{
    return Split(value).seconds / 60 % 60;
}

int Second(Date value)
{
    return Split(value).seconds % 60;
}

} // namespace corvane::date
