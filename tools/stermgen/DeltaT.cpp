#include "DeltaT.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corvane::stermgen
{

namespace
{

// Observed Delta T (IERS, as tabulated in the Astronomical Almanac) at the start of each year from
// 2005. The Espenak-Meeus polynomial for 2005-2050 was a 2006 forecast that already runs 2 s high by
// 2020 and keeps diverging, so the observed values replace it.
constexpr int kFirstObservedYear = 2005;
constexpr std::array<double, 19> kObservedDeltaT = {
    64.6876, // 2005
    64.8452, 65.1464, 65.4574, 65.7768,
    66.0699, // 2010
    66.3246, 66.6030, 66.9069, 67.2810,
    67.6439, // 2015
    68.1024, 68.5927, 68.9676, 69.2202,
    69.3612, // 2020
    69.3593, 69.2945,
    69.1833, // 2023
};

constexpr double kLastObservedYear = kFirstObservedYear + static_cast<double>(kObservedDeltaT.size() - 1);
constexpr double kRecentRateYears = 3.0;
constexpr double kMeanRateYears = 50.0;
constexpr double kBlendYears = 20.0;
constexpr double kTidalSecondsPerYearSquared = 32.0 / (100.0 * 100.0);

// The integral over [0, t] of the weight that hands the rate from its recent to its mean value:
// smoothstep 3u^2 - 2u^3 over u = t / kBlendYears, then 1.
double blendedYears(double t)
{
    if (t >= kBlendYears) {
        return t - kBlendYears / 2.0;
    }
    const double u = t / kBlendYears;
    return kBlendYears * u * u * u * (1.0 - u / 2.0);
}

} // namespace

double deltaTSeconds(double year)
{
    // Espenak and Meeus, "Five Millennium Canon of Solar Eclipses" (NASA, 2006): their fit of the
    // observed values, one polynomial per stretch of years.
    if (year < 1920.0) {
        const double t = year - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (year < 1941.0) {
        const double t = year - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (year < 1961.0) {
        const double t = year - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (year < 1986.0) {
        const double t = year - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (year < kFirstObservedYear) {
        const double t = year - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (year > kLastObservedYear) {
        return forecastDeltaTSeconds(year, kLastObservedYear);
    }
    const double position = year - kFirstObservedYear;
    const auto index = std::min(static_cast<std::size_t>(position), kObservedDeltaT.size() - 2);
    const double fraction = position - static_cast<double>(index);
    return kObservedDeltaT[index] + fraction * (kObservedDeltaT[index + 1] - kObservedDeltaT[index]);
}

// After the last observation, Delta T goes on from the last observed value at the rate of the three
// years before it (-0.06 s a year in 2023: the Earth's rotation has kept Delta T nearly level, about
// 69.2 s, since 2019), and that rate turns over 20 years (smoothstep) into the mean rate of the 50
// years before it (0.52 s a year; the mean smooths the decade-long swings of the rotation, which no
// one can forecast). On top comes the steady growth that tidal braking adds: the 32 s per century
// squared of the long-term parabola -20 + 32 ((y - 1820) / 100)^2 (Morrison and Stephenson, 2004).
// After the 20 years the model is a parabola of that curvature on a line of the mean rate, joined to
// the observations without a jump in value or rate. It gives 69.1-69.3 s for 2024-2030, 79.7 s for
// 2050 and 122.2 s for 2100. Forecast from each year since 1950 with the values before it, the same
// rule misses what happened by at most 3.4 s after 7 years, 14.6 s after 27 and 8.7 s after 50: we
// take the uncertainty to be about 15 s at 2050 and a minute at 2100, where a sustained swing of
// 0.6 s a year in the rate (the 20th century saw larger) would add 45 s on its own.
double forecastDeltaTSeconds(double year, double lastKnownYear)
{
    const double lastKnown = deltaTSeconds(lastKnownYear);
    const double recentRate = (lastKnown - deltaTSeconds(lastKnownYear - kRecentRateYears)) / kRecentRateYears;
    const double meanRate = (lastKnown - deltaTSeconds(lastKnownYear - kMeanRateYears)) / kMeanRateYears;
    const double t = year - lastKnownYear;
    return lastKnown + recentRate * t + (meanRate - recentRate) * blendedYears(t) + kTidalSecondsPerYearSquared * t * t;
}

double decimalYear(double julianDay)
{
    constexpr double kJulianDay2000 = 2451544.5;
    constexpr double kGregorianYearDays = 365.2425;
    return 2000.0 + (julianDay - kJulianDay2000) / kGregorianYearDays;
}

} // namespace corvane::stermgen
