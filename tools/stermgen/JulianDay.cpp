#include "JulianDay.h"

namespace corvane::stermgen
{

namespace
{

constexpr double kJulianDayOf1970 = 2440587.5;
constexpr double kChinaStandardTimeOffsetDays = 8.0 / 24.0;

// Days since 1 January 1970 00:00 China Standard Time.
std::chrono::duration<double, std::chrono::days::period> chinaDaysSince1970(double julianDayUt)
{
    return std::chrono::duration<double, std::chrono::days::period>(julianDayUt + kChinaStandardTimeOffsetDays
                                                                    - kJulianDayOf1970);
}

constexpr std::chrono::local_days kLocal1970{std::chrono::year{1970} / std::chrono::January / 1};

} // namespace

double julianDay(std::chrono::local_days day)
{
    return kJulianDayOf1970 + static_cast<double>((day - kLocal1970).count());
}

std::chrono::local_seconds chinaStandardTimeSeconds(double julianDayUt)
{
    return kLocal1970 + std::chrono::round<std::chrono::seconds>(chinaDaysSince1970(julianDayUt));
}

std::chrono::local_time<std::chrono::minutes> chinaStandardTimeMinutes(double julianDayUt)
{
    return kLocal1970 + std::chrono::round<std::chrono::minutes>(chinaDaysSince1970(julianDayUt));
}

} // namespace corvane::stermgen
