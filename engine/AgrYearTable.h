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
    std::int16_t LeapMonth; // the month the leap month repeats [2, 10], 0 = none
};

inline constexpr int kFirstAgrYear = 1900;
inline constexpr int kLastAgrYear = 2031;
inline constexpr int kAgrYearCount = kLastAgrYear - kFirstAgrYear + 1; // 132

// The row of a lunar year; error 9 (subscript out of range) outside [1900, 2031].
const AgrYearInfo &AgrYear(int year);

// Sum of MonthBig[0] .. MonthBig[count - 1] of a year: the days its first `count` slots have beyond
// 29 each. count [0, 13]; error 9 above 13 (there is no such slot); 0 for count <= 0.
int ExtraDaysBefore(int year, int count);

// Days in lunar year `year` (the lengths of its 12 or 13 slots added up) [353, 385].
int AgrYearLength(int year);

// The year table is compiled-in constant data, so a lookup can never see it empty. What the engine
// keeps per thread is its life-cycle state: loaded by LoadAgrYearTable (through InitAgrTables) and
// set back to empty when the last engine client of the thread goes.
void LoadAgrYearTable();
bool IsAgrYearTableLoaded();
void ClearAgrYearTable();

} // namespace corvane::ModAgrCAl
