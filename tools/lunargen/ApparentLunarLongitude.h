#pragma once

namespace corvane::lunargen
{

// The Moon's apparent geocentric ecliptic longitude in degrees [0, 360) at a Julian day in TT,
// referred to the true equinox and ecliptic of date, with light time and aberration: the same frame
// as stermgen's solar longitude, so that their difference is the elongation that new moons zero.
double apparentLunarLongitude(double julianDayTt);

} // namespace corvane::lunargen
