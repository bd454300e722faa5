#pragma once

namespace corvane::stermgen
{

// Delta T = TT - UT in seconds at a decimal Gregorian year, for the years 1900 to 2031.
double deltaTSeconds(double decimalYear);

// The decimal Gregorian year of a Julian day (2000.0 = 1 January 2000 00:00).
double decimalYear(double julianDay);

} // namespace corvane::stermgen
