#include "EventText.h"

#include "tools/stermgen/STermMoment.h"

#include <cstdio>

namespace corvane::lunargen
{

std::string civilTimeText(std::chrono::local_seconds moment)
{
    const auto day = std::chrono::floor<std::chrono::days>(moment);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss<std::chrono::seconds> clock{moment - day};
    char text[96]; // room for any value of each field, so no output can be cut
    std::snprintf(text,
                  sizeof text,
                  "%04d-%02u-%02u %02ld:%02ld:%02ld",
                  static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()),
                  static_cast<long>(clock.hours().count()),
                  static_cast<long>(clock.minutes().count()),
                  static_cast<long>(clock.seconds().count()));
    return text;
}

std::string eventText(const CalendarEvent &event)
{
    if (event.kind == CalendarEvent::Kind::NewMoon) {
        return "new moon (lunation " + std::to_string(event.number) + ")";
    }
    return "principal term " + std::to_string(event.number) + " of " + std::to_string(event.year) + " (Sun at "
        + std::to_string(static_cast<int>(stermgen::sTermLongitude(event.number))) + " degrees)";
}

} // namespace corvane::lunargen
