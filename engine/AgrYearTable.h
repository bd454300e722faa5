#pragma once

#include <array>
#include <cstdint>

namespace corvane::ModAgrCAl
{

// One lunar year. A year has 12 month slots, or 13 when it has a leap month: with LeapMonth = L,
// slots 1..L hold months 1..L, slot L + 1 holds the leap month L, slots L + 2..13 hold months
// L + 1..12. Slot k lasts 29 + MonthBig[k - 1] days.
struct AgrYearInfo {
    std::int16_t NewYearOffset; // days from 1 January of the same-numbered Gregorian year to New Year's Day
    std::array<std::int8_t, 13> MonthBig; // per slot: 1 = 30 days, 0 = 29 days; 2 only in place 13 when
                                          // the year has no leap month (the slot does not exist)
    std::int16_t LeapMonth; // the month the leap month repeats [1, 12] (2 to 11 in the rows), 0 = none
};

inline constexpr int kFirstAgrYear = 1900;
inline constexpr int kLastAgrYear = 2100;
inline constexpr int kAgrYearCount = kLastAgrYear - kFirstAgrYear + 1; // 201

// A row with what the conversions derive from it, computed at compile time.
struct AgrYearRecord {
    AgrYearInfo info;
    std::array<std::int8_t, 14> extraBefore; // [k]: MonthBig[0] + .. + MonthBig[k - 1], k [0, 13]
    std::int16_t length; // days in the lunar year [353, 385]
};

extern const std::array<AgrYearRecord, kAgrYearCount> kAgrYearRecords;

[[noreturn]] void ThrowSubscriptOutOfRange();

// The record of a lunar year; error 9 (subscript out of range) outside [1900, 2100].
inline const AgrYearRecord &AgrYearRecordOf(int year)
{
    const auto i = unsigned(year - kFirstAgrYear);
    if (i >= unsigned(kAgrYearCount))
        ThrowSubscriptOutOfRange();
    return kAgrYearRecords[i];
}

// The row of a lunar year; error 9 outside [1900, 2100].
inline const AgrYearInfo &AgrYear(int year)
{
    return AgrYearRecordOf(year).info;
}

// Sum of MonthBig[0] .. MonthBig[count - 1] of a year: the days its first `count` slots have beyond
// 29 each. count [0, 13]; error 9 above 13 (there is no such slot); 0 for count <= 0.
inline int ExtraDaysBefore(int year, int count)
{
    const AgrYearRecord &record = AgrYearRecordOf(year);
    if (count <= 0)
        return 0;
    if (count > 13)
        ThrowSubscriptOutOfRange();
    return record.extraBefore[std::size_t(count)];
}

// Days in lunar year `year` (the lengths of its 12 or 13 slots added up) [353, 385].
inline int AgrYearLength(int year)
{
    return AgrYearRecordOf(year).length;
}

// Whether month `month` of a year (its leap month when `leap`) sits one slot after its number: the
// leap month and every month after it do.
constexpr bool IsAfterLeapSlot(const AgrYearInfo &row, int month, bool leap)
{
    return leap || (row.LeapMonth != 0 && month > row.LeapMonth);
}

// The slot of a month of the year: the month number, plus one for the leap month and the months after
// it. month [1, 12], and `leap` only on the year's leap month.
constexpr int AgrSlotOf(const AgrYearInfo &row, int month, bool leap)
{
    return IsAfterLeapSlot(row, month, leap) ? month + 1 : month;
}

// Days in month `month` [1, 12] of lunar year `year`, the leap month when `leap` [29, 30]; 0 when the
// year has no such month (a month outside [1, 12], or `leap` on a month the year does not repeat).
// Error 9 for a year outside [1900, 2100].
inline int AgrMonthDays(int year, int month, bool leap)
{
    const AgrYearInfo &row = AgrYear(year);
    if (month < 1 || month > 12 || (leap && month != row.LeapMonth))
        return 0;
    return 29 + row.MonthBig[std::size_t(AgrSlotOf(row, month, leap) - 1)];
}

// The year table is compiled-in constant data, so a lookup can never see it empty. What the engine
// keeps per thread is its life-cycle state: loaded by LoadAgrYearTable (through InitAgrTables) and
// set back to empty when the last engine client of the thread goes.
void LoadAgrYearTable();
bool IsAgrYearTableLoaded();
void ClearAgrYearTable();

} // namespace corvane::ModAgrCAl
