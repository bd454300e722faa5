#pragma once

#include "tools/lunargen/LunarMonths.h"

#include <string>
#include <vector>

namespace corvane::lunargen
{

// One lunar year as the engine's year table holds it.
struct AgrYearRow {
    int year;
    int newYearOffset; // days from 1 January of the same-numbered Gregorian year to New Year's Day
    std::vector<int> monthDays; // the 12 or 13 month slots in calendar order, 29 or 30 days each
    int leapMonth; // the month the leap month repeats, 0 = none
};

// The row of lunar year `year`: its months run from its 1st month (the first non-leap month 1 that
// starts in Gregorian year `year`) to the next 1st month. Throws std::runtime_error unless `months`
// holds all of them and the next 1st month.
AgrYearRow agrYearRow(const std::vector<LunarMonth> &months, int year);

// The rows of lunar years first..last from the civil days of their events.
std::vector<AgrYearRow> agrYearRows(const CalendarDays &days, int firstYear, int lastYear);

// The row as the year table's text: "offset;flags;leap", 13 flags, 1 for a 30-day slot, 0 for a 29-day
// one and 2 in place 13 when the year has only 12 slots ("30;0100101101101;8").
std::string rowText(const AgrYearRow &row);

} // namespace corvane::lunargen
