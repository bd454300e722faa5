#include "MidnightEvents.h"

namespace corvane::lunargen
{

namespace
{

using namespace std::chrono;

void collect(const std::vector<CalendarEvent> &list,
             const CalendarMeridian &meridian,
             seconds window,
             local_days from,
             local_days to,
             std::vector<MidnightEvent> &found)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        const local_seconds civil = civilTime(list[i].julianDayUt, meridian);
        const local_days day = floor<days>(civil);
        if (day >= from && day <= to && abs(fromMidnight(civil)) <= window) {
            found.push_back({list[i], i, civil});
        }
    }
}

} // namespace

std::vector<MidnightEvent> eventsNearMidnight(const CalendarEvents &events,
                                              const CalendarMeridian &meridian,
                                              seconds window,
                                              local_days from,
                                              local_days to)
{
    std::vector<MidnightEvent> found;
    collect(events.newMoons, meridian, window, from, to, found);
    collect(events.principalTerms, meridian, window, from, to, found);
    return found;
}

CalendarDays movedAcrossMidnight(CalendarDays calendar, const MidnightEvent &moved)
{
    const days shift{fromMidnight(moved.civil) < seconds::zero() ? 1 : -1};
    if (moved.event.kind == CalendarEvent::Kind::NewMoon) {
        calendar.newMoons[moved.index] += shift;
    } else {
        calendar.principalTerms[moved.index].day += shift;
    }
    return calendar;
}

} // namespace corvane::lunargen
