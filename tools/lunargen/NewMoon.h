#pragma once

namespace corvane::lunargen
{

// New moons are numbered by lunation: lunation 0 is the new moon of 6 January 2000, lunation k the
// one about k mean synodic months later (negative before).

// The lunation whose new moon lies nearest a Julian day.
int lunationNear(double julianDay);

// The moment of a lunation's new moon, when the apparent geocentric longitudes of the Moon and the Sun
// are equal, as a Julian day in TT (to about 10 ms in the search; the lunar theory limits it to about
// half a minute at worst). Throws std::runtime_error if the search does not converge.
double newMoonJulianDayTt(int lunation);

// The same moment as a Julian day in UT, through stermgen's Delta T.
double newMoonJulianDayUt(int lunation);

} // namespace corvane::lunargen
