#pragma once

#include "platform/date/DateValue.h"

#include <string>
#include <string_view>

namespace corvane::ModAgrCAl
{

// The 24 solar terms (节气) of a Gregorian year, t [1, 24] from "小寒"; terms 2m - 1 and 2m fall in
// Gregorian month m. A term's moment comes from the per-year table: its time of day, and the day of
// the month on which that moment falls. The mean-year formula anchored at 1900-01-06 02:05 gives a
// day of its own, which can be a day off the true one when the term is near midnight; the table's
// three rows of fixed data (1900, 2002, 2031) have no days and keep the formula's.

// The Gregorian years the time table covers.
inline constexpr int kFirstSTermYear = 1900;
inline constexpr int kLastSTermYear = 2100;

std::string_view GetsTermName(int term); // "小寒" .. "冬至"; error 5 outside [1, 24]
// The formula's day of the month [1, 31], for any year; error 9 for a term above 24 or below 1.
int GetsTermDay(int year, int term);
// "小寒：5日20时26分", the day and time of the term's moment; error 9 for a year outside the table
// or a term above 24, error 5 below 1.
std::string GetsTermText(int year, int term);
// The term's moment (2002, 1 is 2002-01-05 20:26; 2009, 3 is 2009-02-04 00:50).
date::Date GetsTermMoment(int year, int term);

// From the table, each with error 9 for a year outside the table or a term outside [1, 24]: the
// time of day of a term as the number HHMM (2026 for 20:26) [0, 2359], and the day of the month of
// its moment [1, 31] (the formula's for the rows of fixed data).
int STermTimeOfDay(int year, int term);
int STermDayOfMonth(int year, int term);
// The term whose moment falls on a Gregorian day [1, 24], or 0 when none does; error 9 for a year
// outside the table.
int STermOnDay(int year, int month, int day);

// Life-cycle of the time table (compiled-in rows): loaded through InitAgrTables, never cleared.
void LoadsTermTimeTable();
bool IssTermTimeTableLoaded();

} // namespace corvane::ModAgrCAl
