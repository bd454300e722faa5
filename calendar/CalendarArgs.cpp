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

} // namespace

void ThrowOutside(const date::Ymd &d)
{
    Throw(ErrorNumber::SubscriptOutOfRange,
          DayText(d) + " is outside the calendar (" + DayText(FirstDay()) + " to " + DayText(LastDay()) + ")");
}

void ThrowNoSuchDay(int year, int month, int day)
{
    Throw(ErrorNumber::InvalidCall, "there is no day " + DayText({year, month, day}));
}

void ThrowYearOutside(int year, int first, int last)
{
    Throw(ErrorNumber::SubscriptOutOfRange,
          "year " + std::to_string(year) + " is outside the calendar (" + std::to_string(first) + " to "
              + std::to_string(last) + ")");
}

// A month number outside 1-12, or a leap month the year does not have.
void ThrowNoSuchMonth(int year, int month)
{
    if (month < 1 || month > 12)
        Throw(ErrorNumber::InvalidCall, "there is no lunar month " + std::to_string(month));
    Throw(ErrorNumber::InvalidCall,
          "lunar year " + std::to_string(year) + " has no leap month " + std::to_string(month));
}

void ThrowNoSuchLunarDay(const corv_lunar_date &date, int length)
{
    Throw(ErrorNumber::InvalidCall,
          "lunar month " + ModAgrCAl::MakeMonthText(date.month, date.leap != 0) + " of " + std::to_string(date.year)
              + " has " + std::to_string(length) + " days, not day " + std::to_string(date.day));
}

date::Ymd FirstDay()
{
    return YmdOf(ModAgrCAl::AgrToUniDays(ModAgrCAl::kFirstAgrYear, 1, false, 1));
}

date::Ymd LastDay()
{
    return {ModAgrCAl::kLastAgrYear, 12, 31};
}

void CheckTermYear(int year)
{
    if (year < ModAgrCAl::kFirstSTermYear || year > ModAgrCAl::kLastSTermYear)
        ThrowYearOutside(year, ModAgrCAl::kFirstSTermYear, ModAgrCAl::kLastSTermYear);
}

int CheckedMonthLength(int year, int month, bool leap)
{
    return CheckedMonthOf(year, month, leap).length;
}

} // namespace corvane::calendar
