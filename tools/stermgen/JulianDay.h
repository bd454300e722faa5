#pragma once

#include <chrono>

namespace corvane::stermgen
{

// The Julian day at 00:00 of a calendar day (on whichever time scale the day is reckoned in).
double julianDay(std::chrono::local_days day);

// A Julian day on the UT scale as China Standard Time (UTC+8), rounded to the nearest second or
// minute. Each rounds the exact moment once, so a time just before a half minute is never pushed
// over it by an earlier rounding to seconds.
std::chrono::local_seconds chinaStandardTimeSeconds(double julianDayUt);
std::chrono::local_time<std::chrono::minutes> chinaStandardTimeMinutes(double julianDayUt);

} // namespace corvane::stermgen
