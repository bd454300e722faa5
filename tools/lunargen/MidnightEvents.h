#pragma once

#include "tools/lunargen/CalendarEvents.h"

#include <chrono>
#include <cstddef>
#include <vector>

namespace corvane::lunargen
{

// An event close enough to civil midnight that the lunar theory, Delta T or the meridian could put
// it on the other day.
struct MidnightEvent {
    CalendarEvent event;
    std::size_t index; // in its list of CalendarEvents
    std::chrono::local_seconds civil;
};

// The events within `window` of civil midnight whose civil day lies in [from, to], in time order of
// each kind (new moons first).
std::vector<MidnightEvent> eventsNearMidnight(const CalendarEvents &events,
                                              const CalendarMeridian &meridian,
                                              std::chrono::seconds window,
                                              std::chrono::local_days from,
                                              std::chrono::local_days to);

// The days with that one event moved to the day on the other side of the nearer midnight.
CalendarDays movedAcrossMidnight(CalendarDays calendar, const MidnightEvent &moved);

} // namespace corvane::lunargen
