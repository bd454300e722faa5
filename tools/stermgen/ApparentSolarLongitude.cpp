#include "ApparentSolarLongitude.h"

#include "tools/stermgen/ApparentLongitude.h"

#include <erfa.h>
#include <erfam.h>

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
    return apparentLongitude(toSun, earthBary[1], eraPm(toSun), julianDayTt);
}

} // namespace corvane::stermgen
