#pragma once

#include "engine/AgrDate.h"
#include "engine/AgrYearTable.h"
#include "platform/date/DateValue.h"

#include <chrono>
#include <cstdint>
#include <string_view>

namespace corvane::ModAgrCAl
{

// A lunar date as the conversions compute it, before its month becomes the text of AgrDate.
struct AgrDateNumbers {
    int Year;
    int Month; // [1, 12]; the leap month carries the number of the month it repeats
    bool Leap;
    int Day; // [1, 30]
    int MonthSlot; // [1, 13]
};

// Gregorian date -> lunar date, from the year table alone. Valid from 1900-01-31 (lunar New Year 1900)
// to 2100-12-31; error 9 outside. Month and day roll over as the date type does (2002-02-31 is
// 2002-03-03).
AgrDateNumbers UniToAgrNumbers(std::int16_t year, std::int16_t month, std::int16_t day);
// The same for day `dayOfYear` [1, 366] of Gregorian year `year`, inline for callers that convert
// many days.
inline AgrDateNumbers UniToAgrNumbers(date::YearDay yd)
{
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
AgrDate UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day);
void UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day, AgrDate &out);

// The slot of a month within lunar year `year`: the month number, plus one for the leap month and
// for the months after it ([1, 13] for the months of the year). Error 9 for a year outside
// [1900, 2100], error 6 when the number leaves the 16-bit range.
int AgrMonthSlot(std::int16_t year, int month, bool leap);

// The day number (1 = 1 January of the lunar year's number) of day `day` of slot `slot` [1, 14] of a
// year: 29 days for each slot before, their extra days, the day and the New Year offset.
inline int DayNumberInSlot(const AgrYearRecord &record, int slot, int day)
{
    return (slot - 1) * 29 + record.extraBefore[std::size_t(slot - 1)] + day + record.info.NewYearOffset;
}

// Lunar date -> day number counted in Gregorian year `year` (1 = 1 January; past the year's length for
// lunar dates in January or February of the next year). Month and day are not checked against the
// year: a day past its month runs on into the next, day 0 is the day before the 1st. Error 9 for a
// lunar year outside [1900, 2100], error 6 when a value leaves the 16-bit range.
std::int16_t AgrDateToDayNumber(std::int16_t year, int month, bool leap, std::int16_t day);
std::int16_t AgrDateToDayNumber(std::int16_t year, std::string_view monthText, std::int16_t day);

// Lunar date -> the day: 1 January of `year` plus (day number - 1) days.
std::chrono::sys_days AgrToUniDays(std::int16_t year, int month, bool leap, std::int16_t day);
// The same as a date value.
date::Date AgrToUniDate(std::int16_t year, std::string_view monthText, std::int16_t day);

} // namespace corvane::ModAgrCAl
