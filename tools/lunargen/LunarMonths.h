#pragma once

#include "tools/lunargen/CalendarEvents.h"

#include <chrono>
#include <vector>

namespace corvane::lunargen
{

// A month of the lunar calendar: it starts on the civil day of its new moon and lasts until the day
// of the next one.
struct LunarMonth {
    std::chrono::local_days start;
    int days; // 29 or 30
    int number; // 1..12
    bool leap; // repeats the number of the month before it
};

// The months from the one holding the first winter solstice of `days` to the one before the month
// holding the last, numbered by the rules of the calendar: the month holding a winter solstice is the
// 11th; when 13 months run from one 11th month to the next, the first of them without a principal term
// is the leap month. Throws std::runtime_error when the days hold fewer than two winter solstices or
// the new moons do not span them.
std::vector<LunarMonth> lunarMonths(const CalendarDays &days);

} // namespace corvane::lunargen
