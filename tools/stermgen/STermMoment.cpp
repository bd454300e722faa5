#include "STermMoment.h"

#include "tools/stermgen/ApparentSolarLongitude.h"
#include "tools/stermgen/DeltaT.h"
#include "tools/stermgen/JulianDay.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace corvane::stermgen
{

namespace
{

constexpr double kTropicalYearDays = 365.2422;
constexpr double kToleranceDays = 1e-7;
constexpr double kToleranceDegrees = 1e-6;
constexpr int kMaxIterations = 30;

// Longitude difference folded into [-180, 180), so that the search sees one smooth crossing.
double signedDegrees(double degrees)
{
    return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0);
}

} // namespace

double sTermLongitude(int term)
{
    return std::fmod(285.0 + 15.0 * (term - 1), 360.0);
}

double sTermJulianDayTt(int year, int term)
{
    const double target = sTermLongitude(term);
    const auto offset = [target](double julianDay) {
        return signedDegrees(apparentSolarLongitude(julianDay) - target);
    };

    // Start from the mean pace (term 1 about 6 January, one term every 1/24 year): the true moment is
    // within three days of it, where the longitude is nearly linear, so the secant steps converge in a
    // handful of evaluations.
    const std::chrono::local_days sixthOfJanuary{std::chrono::year{year} / std::chrono::January / 6};
    double previous = julianDay(sixthOfJanuary) + (term - 1) * kTropicalYearDays / kSTermCount;
    double current = previous + 1.0;
    double previousOffset = offset(previous);
    double currentOffset = offset(current);
    for (int i = 0; i < kMaxIterations && std::abs(current - previous) > kToleranceDays; ++i) {
        if (currentOffset == previousOffset) {
            break;
        }
        const double next = current - currentOffset * (current - previous) / (currentOffset - previousOffset);
        previous = current;
        previousOffset = currentOffset;
        current = next;
        currentOffset = offset(current);
    }
    if (!(std::abs(currentOffset) < kToleranceDegrees)) {
        throw std::runtime_error("no convergence for solar term " + std::to_string(term) + " of "
                                 + std::to_string(year));
    }
    return current;
}

double sTermJulianDayUt(int year, int term)
{
    const double julianDayTt = sTermJulianDayTt(year, term);
    return julianDayTt - deltaTSeconds(decimalYear(julianDayTt)) / 86400.0;
}

} // namespace corvane::stermgen
