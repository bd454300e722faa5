#pragma once

namespace corvane::stermgen
{

// The Sun's apparent geocentric ecliptic longitude in degrees [0, 360) at a Julian day in TT:
// referred to the true equinox and ecliptic of date, with light time and aberration.
double apparentSolarLongitude(double julianDayTt);

} // namespace corvane::stermgen
