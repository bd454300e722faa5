#pragma once

#include <chrono>

namespace corvane::lunargen
{

// How the calendar reckons its civil days: in China Standard Time (UTC+8, the 120 degree east
// meridian) for events from 1 January of `firstStandardYear`, in UTC + `earlyOffset` before it.
struct CalendarMeridian {
    std::chrono::seconds earlyOffset;
    int firstStandardYear;

    bool operator==(const CalendarMeridian &) const = default;
};

// The mean solar time of Beijing, 116 degrees 25 minutes east.
inline constexpr std::chrono::seconds kBeijingMeanTime =
    std::chrono::hours{7} + std::chrono::minutes{45} + std::chrono::seconds{40};
inline constexpr std::chrono::seconds kChinaStandardTime = std::chrono::hours{8};

// The meridians the listed years are tested against: standard time throughout, or Beijing's own time
// before 1929.
inline constexpr CalendarMeridian kStandardTimeThroughout{kChinaStandardTime, 0};
inline constexpr CalendarMeridian kBeijingTimeBefore1929{kBeijingMeanTime, 1929};

// The civil time of a moment given as a Julian day in UT, to the second.
std::chrono::local_seconds civilTime(double julianDayUt, const CalendarMeridian &meridian);

// Seconds from the moment to the nearer civil midnight: negative before it, positive after.
std::chrono::seconds fromMidnight(std::chrono::local_seconds moment);

} // namespace corvane::lunargen
