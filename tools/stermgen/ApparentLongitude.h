#pragma once

namespace corvane::stermgen
{

// The apparent geocentric ecliptic longitude in degrees [0, 360) of a body at a Julian day in TT,
// referred to the true equinox and ecliptic of date. `geocentric` is its astrometric position seen
// from the Earth's centre (GCRS axes, au, light time already applied); `earthVelocity` is the Earth's
// barycentric velocity (au/day) and `sunDistance` the Sun-Earth distance (au), both for the aberration.
double
apparentLongitude(const double geocentric[3], const double earthVelocity[3], double sunDistance, double julianDayTt);

} // namespace corvane::stermgen
