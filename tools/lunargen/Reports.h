#pragma once

#include "tools/lunargen/CalendarEvents.h"

#include <chrono>

namespace corvane::lunargen
{

// The reports behind lunargen's --proof, --near-midnight and --year. Each prints to std::cout and
// returns the exit status.

// The listed years against the computation under each meridian, each difference with the events
// within `window` of midnight that explain it. Fails when a difference under the calendar's meridian
// has no explanation.
int printProof(const CalendarEvents &events, std::chrono::seconds window);

// Every event of the lunar years 1900..2100 within `window` of midnight: its civil time, the day it
// gives, and the rows that would change if it fell on the other day.
int printNearMidnight(const CalendarEvents &events, std::chrono::seconds window);

// The months of a lunar year: start, length, number, and the new moon and principal terms in each.
int printLunarYear(const CalendarEvents &events, int year);

} // namespace corvane::lunargen
