#include "AgrConversion.h"

#include "engine/Int16.h"

#include <chrono>

namespace corvane::ModAgrCAl
{

using namespace std::chrono;

AgrDateNumbers UniToAgrNumbers(std::int16_t year, std::int16_t month, std::int16_t day)
{
    // Month and day roll over as the date type does.
    return UniToAgrNumbers(date::YearDayOf(year, month, day));
}

void UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day, AgrDate &out)
{
    const AgrDateNumbers numbers = UniToAgrNumbers(year, month, day);
    AssignMonthText(out.Month, numbers.Month, numbers.Leap);
    out.Year = std::int16_t(numbers.Year);
    out.Day = std::int16_t(numbers.Day);
    out.MonthSlot = std::int16_t(numbers.MonthSlot);
}

AgrDate UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day)
{
    AgrDate out;
    UniToAgrDate(year, month, day, out);
    return out;
}

int AgrMonthSlot(std::int16_t year, int month, bool leap)
{
    return IsAfterLeapSlot(AgrYear(year), month, leap) ? Int16(long(month) + 1) : month;
}

std::int16_t AgrDateToDayNumber(std::int16_t year, int month, bool leap, std::int16_t day)
{
    const AgrYearRecord &record = AgrYearRecordOf(year);
    const int slot = AgrMonthSlot(year, month, leap);
    if (slot >= 1 && slot <= 14)
        return Int16(long(DayNumberInSlot(record, slot, 0)) + day);
    // A month number below 1 counts back 29 days a slot; past the 14th slot there are no extra days
    // to sum (error 9).
    const int extra = slot < 1 ? 0 : ExtraDaysBefore(year, slot - 1);
    return Int16((long(slot) - 1) * 29 + extra + day + record.info.NewYearOffset);
}

std::int16_t AgrDateToDayNumber(std::int16_t year, std::string_view monthText, std::int16_t day)
{
    const MonthNumber month = ParseMonthText(monthText);
    return AgrDateToDayNumber(year, month.number, month.leap, day);
}

sys_days AgrToUniDays(std::int16_t year, int month, bool leap, std::int16_t day)
{
    const int dayNumber = AgrDateToDayNumber(year, month, leap, day);
    return sys_days{std::chrono::year{year} / January / 1} + days{dayNumber - 1};
}

date::Date AgrToUniDate(std::int16_t year, std::string_view monthText, std::int16_t day)
{
    const MonthNumber month = ParseMonthText(monthText);
    return date::FromDays(AgrToUniDays(year, month.number, month.leap, day));
}

} // namespace corvane::ModAgrCAl
