#include "CalendarArgs.h"

#include "CalendarCall.h"

#include "engine/AgrConversion.h"
#include "engine/AgrYearTable.h"

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

[[noreturn]] void ThrowOutside(const date::Ymd &d)
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
constexpr sys_days kLastDays{year{ModAgrCAl::kLastAgrYear} / December / 31};

} // namespace

date::Ymd FirstDay()
{
    return YmdOf(ModAgrCAl::AgrToUniDays(ModAgrCAl::kFirstAgrYear, 1, false, 1));
}

date::Ymd LastDay()
{
    return YmdOf(kLastDays);
}

void CheckDay(int year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > date::DaysInMonth(year, month))
        Throw(ErrorNumber::InvalidCall, "there is no day " + DayText({year, month, day}));
    const long serial = Serial(year, month, day);
    if (serial < FirstSerial() || serial > kLastSerial)
        ThrowOutside({year, month, day});
}

void CheckYear(int year)
{
    if (year < ModAgrCAl::kFirstAgrYear || year > ModAgrCAl::kLastAgrYear)
        Throw(ErrorNumber::SubscriptOutOfRange,
              "year " + std::to_string(year) + " is outside the calendar (" + std::to_string(ModAgrCAl::kFirstAgrYear)
                  + " to " + std::to_string(ModAgrCAl::kLastAgrYear) + ")");
}

int CheckedMonthLength(int year, int month, bool leap)
{
    CheckYear(year);
    if (month < 1 || month > 12)
        Throw(ErrorNumber::InvalidCall, "there is no lunar month " + std::to_string(month));
    const ModAgrCAl::AgrYearInfo &row = ModAgrCAl::AgrYear(year);
    if (leap && row.LeapMonth != month)
        Throw(ErrorNumber::InvalidCall,
              "lunar year " + std::to_string(year) + " has no leap month " + std::to_string(month));
    return 29 + row.MonthBig[std::size_t(ModAgrCAl::AgrMonthSlot(std::int16_t(year), month, leap) - 1)];
}

sys_days CheckedLunarDate(const corv_lunar_date &date)
{
    const bool leap = date.leap != 0;
    const int length = CheckedMonthLength(date.year, date.month, leap);
    if (date.day < 1 || date.day > length)
        Throw(ErrorNumber::InvalidCall,
              "lunar month " + ModAgrCAl::MakeMonthText(date.month, leap) + " of " + std::to_string(date.year) + " has "
                  + std::to_string(length) + " days, not day " + std::to_string(date.day));
    const sys_days day = ModAgrCAl::AgrToUniDays(std::int16_t(date.year), date.month, leap, std::int16_t(date.day));
    if (day > kLastDays)
        ThrowOutside(YmdOf(day));
    return day;
}

} // namespace corvane::calendar
