#include "CalendarArgs.h"

#include "CalendarCall.h"

#include "engine/AgrConversion.h"
#include "engine/AgrYearTable.h"
#include "engine/STermTable.h"

#include <cstdio>
#include <string>

namespace corvane::calendar
{

namespace
{

using namespace std::chrono;

std::string DayText(const date::Ymd &d)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

date::Ymd YmdOf(sys_days day)
{
    const year_month_day ymd{day};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

// The failures, out of line: building their messages stays off the path of the calls that succeed.
[[noreturn, gnu::cold, gnu::noinline]] void ThrowOutside(const date::Ymd &d)
{
    Throw(ErrorNumber::SubscriptOutOfRange,
          DayText(d) + " is outside the calendar (" + DayText(FirstDay()) + " to " + DayText(LastDay()) + ")");
}

// Days compared as the numbers YYYYMMDD.
constexpr long Serial(int year, int month, int day)
{
    return year * 10000L + month * 100L + day;
}

long FirstSerial()
{
    static const long first = [] {
        const date::Ymd d = FirstDay();
        return Serial(d.year, d.month, d.day);
    }();
    return first;
}

constexpr long kLastSerial = Serial(ModAgrCAl::kLastAgrYear, 12, 31);

[[noreturn, gnu::cold, gnu::noinline]] void ThrowNoSuchDay(int year, int month, int day)
{
    Throw(ErrorNumber::InvalidCall, "there is no day " + DayText({year, month, day}));
}

[[noreturn, gnu::cold, gnu::noinline]] void ThrowYearOutside(int year, int first, int last)
{
    Throw(ErrorNumber::SubscriptOutOfRange,
          "year " + std::to_string(year) + " is outside the calendar (" + std::to_string(first) + " to "
              + std::to_string(last) + ")");
}

// A month number outside 1-12, or a leap month the year does not have.
[[noreturn, gnu::cold, gnu::noinline]] void ThrowNoSuchMonth(int year, int month)
{
    if (month < 1 || month > 12)
        Throw(ErrorNumber::InvalidCall, "there is no lunar month " + std::to_string(month));
    Throw(ErrorNumber::InvalidCall,
          "lunar year " + std::to_string(year) + " has no leap month " + std::to_string(month));
}

[[noreturn, gnu::cold, gnu::noinline]] void ThrowNoSuchLunarDay(const corv_lunar_date &date, int length)
{
    Throw(ErrorNumber::InvalidCall,
          "lunar month " + ModAgrCAl::MakeMonthText(date.month, date.leap != 0) + " of " + std::to_string(date.year)
              + " has " + std::to_string(length) + " days, not day " + std::to_string(date.day));
}

} // namespace

date::Ymd FirstDay()
{
    return YmdOf(ModAgrCAl::AgrToUniDays(ModAgrCAl::kFirstAgrYear, 1, false, 1));
}

date::Ymd LastDay()
{
    return {ModAgrCAl::kLastAgrYear, 12, 31};
}

void CheckDay(int year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > date::DaysInMonth(year, month))
        ThrowNoSuchDay(year, month, day);
    const long serial = Serial(year, month, day);
    if (serial < FirstSerial() || serial > kLastSerial)
        ThrowOutside({year, month, day});
}

void CheckYear(int year)
{
    if (year < ModAgrCAl::kFirstAgrYear || year > ModAgrCAl::kLastAgrYear)
        ThrowYearOutside(year, ModAgrCAl::kFirstAgrYear, ModAgrCAl::kLastAgrYear);
}

void CheckTermYear(int year)
{
    if (year < ModAgrCAl::kFirstSTermYear || year > ModAgrCAl::kLastSTermYear)
        ThrowYearOutside(year, ModAgrCAl::kFirstSTermYear, ModAgrCAl::kLastSTermYear);
}

int CheckedMonthLength(int year, int month, bool leap)
{
    CheckYear(year);
    const ModAgrCAl::AgrYearInfo &row = ModAgrCAl::AgrYear(year);
    if (month < 1 || month > 12 || (leap && row.LeapMonth != month))
        ThrowNoSuchMonth(year, month);
    return 29 + row.MonthBig[std::size_t(ModAgrCAl::AgrMonthSlot(std::int16_t(year), month, leap) - 1)];
}

date::Ymd CheckedLunarDate(const corv_lunar_date &date)
{
    const bool leap = date.leap != 0;
    const int length = CheckedMonthLength(date.year, date.month, leap);
    if (date.day < 1 || date.day > length)
        ThrowNoSuchLunarDay(date, length);
    const date::Ymd day = date::YmdOfYearDay(
        date.year,
        ModAgrCAl::AgrDateToDayNumber(std::int16_t(date.year), date.month, leap, std::int16_t(date.day)));
    if (Serial(day.year, day.month, day.day) > kLastSerial)
        ThrowOutside(day);
    return day;
}

} // namespace corvane::calendar
