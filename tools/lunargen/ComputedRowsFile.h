#pragma once

#include "tools/lunargen/CalendarEvents.h"
#include "tools/lunargen/ListedTableProof.h"

#include <string>

namespace corvane::lunargen
{

// The rows this tool adds after the listed ones, through the last lunar year the calendar covers;
// row 2100 runs to lunar New Year 2101, so it converts every day to 31 December 2100.
inline constexpr int kFirstComputedYear = kLastListedYear + 1;
inline constexpr int kLastComputedYear = 2100;

// The meridian the listed rows imply: Beijing mean time before 1929 (lunar years 1914, 1915, 1916 and
// 1920 need it; only 1906 follows standard time instead, see lunargen --proof), China Standard Time
// after. The computed years are all in standard time.
inline constexpr CalendarMeridian kCalendarMeridian = kBeijingTimeBefore1929;

// The whole text of engine/data/ComputedAgrYearRows.inc, from events that cover the computed years.
std::string renderComputedRowsFile(const CalendarEvents &events);

} // namespace corvane::lunargen
