#include "CalendarEvents.h"

#include "tools/lunargen/NewMoon.h"
#include "tools/stermgen/STermMoment.h"

namespace corvane::lunargen
{

namespace
{

constexpr int kWinterSolstice = stermgen::kSTermCount;

CalendarEvent principalTerm(int year, int term)
{
    return {CalendarEvent::Kind::PrincipalTerm, term, year, stermgen::sTermJulianDayUt(year, term)};
}

} // namespace

CalendarEvents calendarEvents(int firstLunarYear, int lastLunarYear)
{
    CalendarEvents events;
    for (int year = firstLunarYear - 1; year <= lastLunarYear + 1; ++year) {
        for (int term = 2; term <= stermgen::kSTermCount; term += 2) {
            events.principalTerms.push_back(principalTerm(year, term));
        }
    }
    const int first = lunationNear(events.principalTerms.front().julianDayUt) - 1;
    const int last = lunationNear(events.principalTerms.back().julianDayUt) + 1;
    for (int lunation = first; lunation <= last; ++lunation) {
        events.newMoons.push_back({CalendarEvent::Kind::NewMoon, lunation, 0, newMoonJulianDayUt(lunation)});
    }
    return events;
}

CalendarDays calendarDays(const CalendarEvents &events, const CalendarMeridian &meridian)
{
    const auto dayOf = [&meridian](const CalendarEvent &event) {
        return std::chrono::floor<std::chrono::days>(civilTime(event.julianDayUt, meridian));
    };
    CalendarDays days;
    for (const CalendarEvent &newMoon : events.newMoons) {
        days.newMoons.push_back(dayOf(newMoon));
    }
    for (const CalendarEvent &term : events.principalTerms) {
        days.principalTerms.push_back({dayOf(term), term.number == kWinterSolstice});
    }
    return days;
}

} // namespace corvane::lunargen
