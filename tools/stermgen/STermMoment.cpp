#include "STermMoment.h"

#include "tools/stermgen/ApparentSolarLongitude.h"
#include "tools/stermgen/DeltaT.h"
#include "tools/stermgen/JulianDay.h"
#include "tools/stermgen/SecantRoot.h"

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
    const double meanMoment = julianDay(sixthOfJanuary) + (term - 1) * kTropicalYearDays / kSTermCount;
    const SecantRoot root = secantRoot(offset, meanMoment, meanMoment + 1.0, kToleranceDays, kMaxIterations);
    if (!(std::abs(root.fx) < kToleranceDegrees)) {
        throw std::runtime_error("no convergence for solar term " + std::to_string(term) + " of "
                                 + std::to_string(year));
    }
    return root.x;
}

double sTermJulianDayUt(int year, int term)
{
    const double julianDayTt = sTermJulianDayTt(year, term);
    return julianDayTt - deltaTSeconds(decimalYear(julianDayTt)) / 86400.0;
}

} // namespace corvane::stermgen
