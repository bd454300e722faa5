#include "SecantRoot.h"

#include <cmath>

namespace corvane::stermgen
{

double signedDegrees(double degrees)
{
    return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0);
}

SecantRoot secantRoot(const std::function<double(double)> &f, double x0, double x1, double tolerance, int maxIterations)
{
    double previous = x0;
    double current = x1;
    double previousValue = f(previous);
    double currentValue = f(current);
    for (int i = 0; i < maxIterations && std::abs(current - previous) > tolerance; ++i) {
        if (currentValue == previousValue) {
            break;
        }
        const double next = current - currentValue * (current - previous) / (currentValue - previousValue);
        previous = current;
        previousValue = currentValue;
        current = next;
        currentValue = f(current);
    }
    return {current, currentValue};
}

} // namespace corvane::stermgen
