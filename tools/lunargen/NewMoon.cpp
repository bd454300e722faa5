#include "NewMoon.h"

#include "tools/lunargen/ApparentLunarLongitude.h"
#include "tools/stermgen/ApparentSolarLongitude.h"
#include "tools/stermgen/DeltaT.h"
#include "tools/stermgen/SecantRoot.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace corvane::lunargen
{

namespace
{

// The mean new moon of lunation k (TT): Meeus, "Astronomical Algorithms" (2nd ed.), eq. 49.1 without
// its century terms, which stay under a minute over 1900-2100. The true new moon is within 15 hours
// of it.
constexpr double kMeanNewMoon2000 = 2451550.09766;
constexpr double kSynodicMonthDays = 29.530588861;

constexpr double kToleranceDays = 1e-7;
constexpr double kToleranceDegrees = 1e-6;
constexpr int kMaxIterations = 30;

double meanNewMoon(int lunation)
{
    return kMeanNewMoon2000 + kSynodicMonthDays * lunation;
}

} // namespace

int lunationNear(double julianDay)
{
    return static_cast<int>(std::lround((julianDay - kMeanNewMoon2000) / kSynodicMonthDays));
}

double newMoonJulianDayTt(int lunation)
{
    // The elongation grows 11 to 15 degrees a day and is nearly linear within a day of the root.
    const auto elongation = [](double julianDay) {
        return stermgen::signedDegrees(apparentLunarLongitude(julianDay) - stermgen::apparentSolarLongitude(julianDay));
    };
    const double mean = meanNewMoon(lunation);
    const stermgen::SecantRoot root =
        stermgen::secantRoot(elongation, mean, mean + 0.1, kToleranceDays, kMaxIterations);
    if (!(std::abs(root.fx) < kToleranceDegrees)) {
        throw std::runtime_error("no convergence for the new moon of lunation " + std::to_string(lunation));
    }
    return root.x;
}

double newMoonJulianDayUt(int lunation)
{
    const double julianDayTt = newMoonJulianDayTt(lunation);
    return julianDayTt - stermgen::deltaTSeconds(stermgen::decimalYear(julianDayTt)) / 86400.0;
}

} // namespace corvane::lunargen
