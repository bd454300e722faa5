#pragma once

namespace corvane::stermgen
{

// Delta T = TT - UT in seconds at a decimal Gregorian year, for the years 1900 to 2102: observed to
// 2023, extrapolated after (the model and its uncertainty are stated in DeltaT.cpp).
double deltaTSeconds(double decimalYear);

// Delta T at `year` as the model forecasts it from the values up to `lastKnownYear` (deltaTSeconds
// uses it after the last observation; the other years are for checking the rule on the past).
double forecastDeltaTSeconds(double year, double lastKnownYear);

// The decimal Gregorian year of a Julian day (2000.0 = 1 January 2000 00:00).
double decimalYear(double julianDay);

} // namespace corvane::stermgen
