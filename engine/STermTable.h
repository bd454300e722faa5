#pragma once

#include "platform/date/DateValue.h"

#include <string>
#include <string_view>

namespace corvane::ModAgrCAl
{

// The 24 solar terms (节气) of a Gregorian year, t [1, 24] from "小寒"; terms 2m - 1 and 2m fall in
// Gregorian month m. A term's day comes from a mean-year formula anchored at 1900-01-06 02:05, its time
// of day from the per-year time table; the two are combined without cross-checking.

std::string_view GetsTermName(int term); // "小寒" .. "冬至"; error 5 outside [1, 24]
int GetsTermDay(int year, int term); // day of the month [1, 31]; error 9 for a term above 24 or below 1
// "小寒：5日20时26分"; error 9 for a year outside [1900, 2031] or a term above 24, error 5 below 1.
std::string GetsTermText(int year, int term);
// The term's moment: its day from the formula, its time from the table (2002, 1 is 2002-01-05 20:26).
date::Date GetsTermMoment(int year, int term);

// The time of day of a term from the table, as the number HHMM (2026 for 20:26) [0, 2359]; error 9
// for a year outside [1900, 2031] or a term outside [1, 24].
int STermTimeOfDay(int year, int term);

// Life-cycle of the time table (compiled-in rows): loaded through InitAgrTables, never cleared.
void LoadsTermTimeTable();
bool IssTermTimeTableLoaded();

} // namespace corvane::ModAgrCAl
