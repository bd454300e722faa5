#pragma once

#include "engine/AgrConversion.h"
#include "engine/AgrYearTable.h"
#include "platform/date/DateValue.h"

#include "corvane/calendar.h"

namespace corvane::calendar
{

// The span the calendar accepts, from the engine's tables: the Gregorian days from lunar New Year of
// the first year to 31 December of the last year, and the lunar dates of those days.
date::Ymd FirstDay();
date::Ymd LastDay();

// The failures of the checks below, out of line: building their messages stays off the path of the
// calls that succeed, which inline the checks.
[[noreturn, gnu::cold, gnu::noinline]] void ThrowOutside(const date::Ymd &day);
[[noreturn, gnu::cold, gnu::noinline]] void ThrowNoSuchDay(int year, int month, int day);
[[noreturn, gnu::cold, gnu::noinline]] void ThrowYearOutside(int year, int first, int last);
[[noreturn, gnu::cold, gnu::noinline]] void ThrowNoSuchMonth(int year, int month);
[[noreturn, gnu::cold, gnu::noinline]] void ThrowNoSuchLunarDay(const corv_lunar_date &date, int length);

// A lunar year of the tables (leap months, month lengths, zodiac); error 9 outside.
inline void CheckYear(int year)
{
    if (unsigned(year - ModAgrCAl::kFirstAgrYear) >= unsigned(ModAgrCAl::kAgrYearCount))
        ThrowYearOutside(year, ModAgrCAl::kFirstAgrYear, ModAgrCAl::kLastAgrYear);
}

// A Gregorian year of the solar-term table; error 9 outside.
void CheckTermYear(int year);

// A Gregorian day the calendar accepts, as its year and day of the year: error 5 for one that does not
// exist, 9 outside the span.
inline date::YearDay CheckDay(int year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > date::DaysInMonth(year, month))
        ThrowNoSuchDay(year, month, day);
    const int dayOfYear = date::DaysBeforeMonth(month, date::IsLeapYear(year)) + day;
    // The first year's days before its lunar New Year belong to a lunar year before the tables.
    if (unsigned(year - ModAgrCAl::kFirstAgrYear) >= unsigned(ModAgrCAl::kAgrYearCount)
        || (year == ModAgrCAl::kFirstAgrYear && dayOfYear <= ModAgrCAl::kAgrYearRecords[0].info.NewYearOffset))
        ThrowOutside({year, month, day});
    return {year, dayOfYear};
}

// A lunar month that exists: its year's record, its slot and its length (29 or 30); error 9 for a
// year outside the tables, 5 for a month number outside 1-12 or a leap month the year lacks.
struct CheckedMonth {
    const ModAgrCAl::AgrYearRecord &record;
    int slot;
    int length;
};

inline CheckedMonth CheckedMonthOf(int year, int month, bool leap)
{
    CheckYear(year);
    const ModAgrCAl::AgrYearRecord &record = ModAgrCAl::kAgrYearRecords[std::size_t(year - ModAgrCAl::kFirstAgrYear)];
    if (month < 1 || month > 12 || (leap && record.info.LeapMonth != month))
        ThrowNoSuchMonth(year, month);
    const int slot = ModAgrCAl::AgrSlotOf(record.info, month, leap);
    return {record, slot, 29 + record.info.MonthBig[std::size_t(slot - 1)]};
}

int CheckedMonthLength(int year, int month, bool leap);

// The Gregorian day of a lunar date that exists and lies within the span: errors as CheckedMonthOf,
// 5 for a day the month does not have, 9 for a day after the span.
inline date::Ymd CheckedLunarDate(const corv_lunar_date &date)
{
    const CheckedMonth month = CheckedMonthOf(date.year, date.month, date.leap != 0);
    if (date.day < 1 || date.day > month.length)
        ThrowNoSuchLunarDay(date, month.length);
    const date::Ymd day = date::YmdOfYearDay(date.year, ModAgrCAl::DayNumberInSlot(month.record, month.slot, date.day));
    if (day.year > ModAgrCAl::kLastAgrYear)
        ThrowOutside(day);
    return day;
}

} // namespace corvane::calendar
