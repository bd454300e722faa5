#include "ApparentLunarLongitude.h"

#include "tools/stermgen/ApparentLongitude.h"

#include <erfa.h>
#include <erfam.h>

namespace corvane::lunargen
{

double apparentLunarLongitude(double julianDayTt)
{
    // ERFA's Moon98 is the truncated ELP-2000/82 of Meeus, "Astronomical Algorithms" (2nd ed., ch. 47),
    // geometric and in GCRS axes: against ELP/MPP02 over 1950-2100 it errs by 2.9" rms and 18.3" at
    // worst, which moves a new moon by about 6 s rms and 36 s at worst.
    double moon[2][3];
    eraMoon98(julianDayTt, 0.0, moon);

    double earthHelio[2][3];
    double earthBary[2][3];
    eraEpv00(julianDayTt, 0.0, earthHelio, earthBary);

    // Light time, 1.3 s: the Moon is seen where it was then in the barycentric frame, relative to where
    // the Earth is now. The Earth's part of that shift (20") cancels against the annual aberration
    // applied next, as it must for a body that travels with the Earth.
    const double lightTimeDays = eraPm(moon[0]) * ERFA_AULT / ERFA_DAYSEC;
    double astrometric[3];
    for (int i = 0; i < 3; ++i) {
        astrometric[i] = moon[0][i] - lightTimeDays * (moon[1][i] + earthBary[1][i]);
    }
    return stermgen::apparentLongitude(astrometric, earthBary[1], eraPm(earthHelio[0]), julianDayTt);
}

} // namespace corvane::lunargen
