#pragma once

#include "tools/lunargen/CalendarEvents.h"

#include <chrono>
#include <string>

namespace corvane::lunargen
{

// "2057-09-28 23:59:31"
std::string civilTimeText(std::chrono::local_seconds moment);

// "new moon (lunation 708)" or "principal term 24 of 2057 (Sun at 270 degrees)"
std::string eventText(const CalendarEvent &event);

} // namespace corvane::lunargen
