#include "AgrConversion.h"

#include "engine/AgrYearTable.h"
#include "engine/Int16.h"

#include <chrono>

namespace corvane::ModAgrCAl
{

using namespace std::chrono;

AgrDateNumbers UniToAgrNumbers(std::int16_t year, std::int16_t month, std::int16_t day)
{
    // d: day of the year (1 for 1 January) of the date, after rolling month and day over.
    const date::YearDay yd = date::YearDayOf(year, month, day);

    // n: 1-based day of the lunar year.
    int lunarYear = yd.year;
    const AgrYearRecord *record = &AgrYearRecordOf(lunarYear);
    int n = yd.dayOfYear - record->info.NewYearOffset;
    if (n <= 0) {
        // Before lunar New Year: the day belongs to the lunar year that began in the previous year.
        lunarYear -= 1;
        record = &AgrYearRecordOf(lunarYear);
        n = yd.dayOfYear + date::DaysInYear(lunarYear) - record->info.NewYearOffset;
    }

    // Guess the slot from 29-day months, then correct once with the year's extra days: t > 0 is day t
    // of slot q + 1, otherwise the day lies t days before the end of slot q (q >= 1 then). Both
    // answers are computed and one is picked, which spares a branch that days mispredict.
    const int q = n / 29;
    const int r = n % 29;
    const int t = r - (q > 13 ? ExtraDaysBefore(lunarYear, q) : record->extraBefore[std::size_t(q)]);
    const int endOfSlotQ = 29 + record->info.MonthBig[std::size_t(q > 0 ? q - 1 : 0)];
    const int slot = t > 0 ? q + 1 : q;
    const int dayOfMonth = t > 0 ? t : endOfSlotQ + t;

    const int leapMonth = record->info.LeapMonth;
    const bool leap = leapMonth != 0 && slot - 1 == leapMonth;
    const int monthNumber = leapMonth != 0 && slot - 1 >= leapMonth ? slot - 1 : slot;
    return {lunarYear, monthNumber, leap, dayOfMonth, slot};
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
    const int extra = slot - 1 <= 0 ? 0
        : slot - 1 <= 13            ? record.extraBefore[std::size_t(slot - 1)]
                                    : ExtraDaysBefore(year, slot - 1);
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
