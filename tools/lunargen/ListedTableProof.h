#pragma once

#include "tools/lunargen/CalendarEvents.h"
#include "tools/lunargen/MidnightEvents.h"

#include <chrono>
#include <string>
#include <vector>

namespace corvane::lunargen
{

// The engine's table lists lunar years 1900..2031; those rows stay authoritative. This tool computes
// the years after them.
inline constexpr int kFirstListedYear = 1900;
inline constexpr int kLastListedYear = 2031;

// A listed year's row as text, from the engine's table ("30;0100101101101;8").
std::string listedRowText(int year);

struct RowDifference {
    int year;
    std::string listed;
    std::string computed;
    // Each event within the search window of midnight that, moved alone to the other day, makes the
    // computed row equal the listed one.
    std::vector<MidnightEvent> explanations;
};

// The listed years first..last whose row the events do not reproduce under `meridian`.
std::vector<RowDifference> differencesFromListed(const CalendarEvents &events,
                                                 const CalendarMeridian &meridian,
                                                 int firstYear,
                                                 int lastYear,
                                                 std::chrono::seconds window);

// The single offsets from UTC for the years before 1929, from `least` to `most` in steps of `step`,
// under which the events reproduce every listed row first..last.
std::vector<std::chrono::seconds> offsetsReproducingAll(const CalendarEvents &events,
                                                        int firstYear,
                                                        int lastYear,
                                                        std::chrono::seconds least,
                                                        std::chrono::seconds most,
                                                        std::chrono::seconds step);

} // namespace corvane::lunargen
