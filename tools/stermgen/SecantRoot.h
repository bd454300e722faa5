#pragma once

#include <functional>

namespace corvane::stermgen
{

// An angle difference in degrees folded into [-180, 180), so that a search sees one smooth crossing.
double signedDegrees(double degrees);

struct SecantRoot {
    double x; // the last estimate
    double fx; // f there: the caller decides whether it is close enough to zero
};

// Secant steps on f from the estimates x0 and x1 until two estimates lie within `tolerance` of each
// other, f takes the same value twice, or `maxIterations` steps have been taken. Meant for functions
// that are nearly linear around their root, where it converges in a handful of evaluations.
SecantRoot
secantRoot(const std::function<double(double)> &f, double x0, double x1, double tolerance, int maxIterations);

} // namespace corvane::stermgen
