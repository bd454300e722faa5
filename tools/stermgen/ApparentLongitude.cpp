#include "ApparentLongitude.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace corvane::stermgen
{

double
apparentLongitude(const double geocentric[3], const double earthVelocity[3], double sunDistance, double julianDayTt)
{
    // ERFA takes its vectors by non-const pointer, though it only reads them.
    double position[3] = {geocentric[0], geocentric[1], geocentric[2]};
    double earthMotion[3] = {earthVelocity[0], earthVelocity[1], earthVelocity[2]};

    double distance = 0.0;
    double direction[3];
    eraPn(position, &distance, direction);

    // Annual aberration from the Earth's barycentric velocity in units of c.
    double velocity[3];
    eraSxp(ERFA_AULT / ERFA_DAYSEC, earthMotion, velocity);
    const double inverseLorentz = std::sqrt(1.0 - eraPdp(velocity, velocity));
    double apparent[3];
    eraAb(direction, velocity, sunDistance, inverseLorentz, apparent);

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
