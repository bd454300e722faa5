#include "AgrConversion.h"

#include "engine/AgrYearTable.h"
#include "engine/Int16.h"

#include <chrono>

namespace corvane::ModAgrCAl
{

using namespace std::chrono;

void UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day, AgrDate &out)
{
    // Day of the year (1 for 1 January) of the date, after rolling month and day over.
    const sys_days date = date::DaysFromYmd(year, month, day);
    const int gregorianYear = int(year_month_day{date}.year());
    const int d = int((date - sys_days{std::chrono::year{gregorianYear} / January / 1}).count()) + 1;

    // N: 1-based day of the lunar year.
    int lunarYear = gregorianYear;
    int n = 0;
    const AgrYearInfo &row = AgrYear(gregorianYear);
    if (row.NewYearOffset < d) {
        n = d - row.NewYearOffset;
    } else {
        lunarYear = gregorianYear - 1;
        const AgrYearInfo &previous = AgrYear(lunarYear);
        const int daysBefore = date::IsLeapYear(lunarYear) ? 366 : 365;
        n = d + daysBefore - previous.NewYearOffset;
    }

    // Guess the slot from 29-day months, then correct once with the year's extra days.
    const int q = n / 29;
    const int r = n % 29;
    const int t = r - ExtraDaysBefore(lunarYear, q);
    int slot = 0;
    int dayOfMonth = 0;
    if (t > 0) {
        slot = q + 1;
        dayOfMonth = t;
    } else {
        slot = q;
        dayOfMonth = 29 + AgrYear(lunarYear).MonthBig[std::size_t(q - 1)] + t;
    }

    const int leapMonth = AgrYear(lunarYear).LeapMonth;
    if (leapMonth != 0 && slot - 1 == leapMonth)
        AssignMonthText(out.Month, leapMonth, true);
    else if (leapMonth != 0 && slot - 1 > leapMonth)
        AssignMonthText(out.Month, slot - 1, false);
    else
        AssignMonthText(out.Month, slot, false);
    out.Year = std::int16_t(lunarYear);
    out.Day = std::int16_t(dayOfMonth);
    out.MonthSlot = std::int16_t(slot);
}

AgrDate UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day)
{
    AgrDate out;
    UniToAgrDate(year, month, day, out);
    return out;
}

std::int16_t AgrDateToDayNumber(std::int16_t year, std::string_view monthText, std::int16_t day)
{
    const AgrYearInfo &row = AgrYear(year);
    const MonthNumber month = ParseMonthText(monthText);
    int slot = month.number;
    if (month.leap || (row.LeapMonth != 0 && month.number > row.LeapMonth))
        slot = Int16(long(month.number) + 1);
    const long dayNumber = (long(slot) - 1) * 29 + ExtraDaysBefore(year, slot - 1) + day + row.NewYearOffset;
    return Int16(dayNumber);
}

date::Date AgrToUniDate(std::int16_t year, std::string_view monthText, std::int16_t day)
{
    const int dayNumber = AgrDateToDayNumber(year, monthText, day);
    return date::FromDays(date::DaysFromYmd(year, 1, 1) + days{dayNumber - 1});
}

} // namespace corvane::ModAgrCAl
