#pragma once

namespace corvane::stermgen
{

// Solar term t = 1 (the one near 6 January) to 24 (the December solstice) of a Gregorian year.
constexpr int kSTermCount = 24;

// The apparent solar longitude in degrees at which term t begins: 285 + 15 (t - 1), modulo 360.
double sTermLongitude(int term);

// The moment of term t of a Gregorian year (1900 to 2031) as a Julian day in TT: the root of the
// apparent solar longitude minus sTermLongitude(term), to about 10 ms. Throws std::runtime_error if
// the search does not converge.
double sTermJulianDayTt(int year, int term);

// The same moment as a Julian day in UT (UTC since 1972), through the Delta T model.
double sTermJulianDayUt(int year, int term);

} // namespace corvane::stermgen
