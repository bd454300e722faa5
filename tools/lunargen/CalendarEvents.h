#pragma once

#include "tools/lunargen/CivilTime.h"

#include <chrono>
#include <vector>

namespace corvane::lunargen
{

// An astronomical event a lunar year rests on: a new moon (by lunation) or a principal solar term
// (stermgen's term 2, 4, .., 24 of a Gregorian year: the Sun at 300, 330, .., 270 degrees).
struct CalendarEvent {
    enum class Kind {
        NewMoon,
        PrincipalTerm
    };
    Kind kind;
    int number; // the lunation, or the term
    int year; // the Gregorian year of a term; 0 for a new moon
    double julianDayUt;
};

// Every new moon and principal term that lunar years first..last depend on, each list in time order:
// all principal terms of the Gregorian years first - 1 .. last + 1 (so from the winter solstice before
// lunar year `first` to the one after lunar year `last`), and the new moons from the one before the
// first of those terms to the one after the last.
struct CalendarEvents {
    std::vector<CalendarEvent> newMoons;
    std::vector<CalendarEvent> principalTerms;
};
CalendarEvents calendarEvents(int firstLunarYear, int lastLunarYear);

// The civil days of those events. The calendar's rules see nothing else.
struct TermDay {
    std::chrono::local_days day;
    bool winterSolstice;
};
struct CalendarDays {
    std::vector<std::chrono::local_days> newMoons;
    std::vector<TermDay> principalTerms;
};
CalendarDays calendarDays(const CalendarEvents &events, const CalendarMeridian &meridian);

} // namespace corvane::lunargen
