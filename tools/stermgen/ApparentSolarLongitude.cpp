#include "ApparentSolarLongitude.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace corvane::stermgen
{

double apparentSolarLongitude(double julianDayTt)
{
    // The Earth's heliocentric and barycentric position and velocity (au, au/day), ICRS axes. The
    // ephemeris takes TDB; TT differs by under 2 ms, far below what the table can show.
    double earthHelio[2][3];
    double earthBary[2][3];
    eraEpv00(julianDayTt, 0.0, earthHelio, earthBary);

    double sunBary[3];
    double sunVelocity[3];
    for (int i = 0; i < 3; ++i) {
        sunBary[i] = earthBary[0][i] - earthHelio[0][i];
        sunVelocity[i] = earthBary[1][i] - earthHelio[1][i];
    }

    // Light time: we see the Sun where it was about 8.3 minutes earlier.
    double toSun[3];
    eraPmp(sunBary, earthBary[0], toSun);
    const double lightTimeDays = eraPm(toSun) * ERFA_AULT / ERFA_DAYSEC;
    for (int i = 0; i < 3; ++i) {
        toSun[i] = sunBary[i] - lightTimeDays * sunVelocity[i] - earthBary[0][i];
    }
    double distance = 0.0;
    double direction[3];
    eraPn(toSun, &distance, direction);

    // Annual aberration from the Earth's barycentric velocity in units of c.
    double velocity[3];
    eraSxp(ERFA_AULT / ERFA_DAYSEC, earthBary[1], velocity);
    const double inverseLorentz = std::sqrt(1.0 - eraPdp(velocity, velocity));
    double apparent[3];
    eraAb(direction, velocity, distance, inverseLorentz, apparent);

    // Onto the mean ecliptic and equinox of date (IAU 2006), then move the equinox by the nutation in
    // longitude (IAU 2000B, within 1 mas of 2000A: the Sun takes 0.03 s to cross 1 mas).
    double toEcliptic[3][3];
    eraEcm06(julianDayTt, 0.0, toEcliptic);
    double ecliptic[3];
    eraRxp(toEcliptic, apparent, ecliptic);
    double nutationLongitude = 0.0;
    double nutationObliquity = 0.0;
    eraNut00b(julianDayTt, 0.0, &nutationLongitude, &nutationObliquity);

    const double longitude = eraAnp(std::atan2(ecliptic[1], ecliptic[0]) + nutationLongitude);
    return longitude * ERFA_DR2D;
}

} // namespace corvane::stermgen
