#include "CivilTime.h"

#include "tools/stermgen/JulianDay.h"

namespace corvane::lunargen
{

std::chrono::local_seconds civilTime(double julianDayUt, const CalendarMeridian &meridian)
{
    const std::chrono::local_seconds standard = stermgen::chinaStandardTimeSeconds(julianDayUt);
    const std::chrono::local_days switchDay{std::chrono::year{meridian.firstStandardYear} / std::chrono::January / 1};
    const std::chrono::local_seconds early = standard - (kChinaStandardTime - meridian.earlyOffset);
    return early < switchDay ? early : standard;
}

std::chrono::seconds fromMidnight(std::chrono::local_seconds moment)
{
    const std::chrono::seconds sinceMidnight = moment - std::chrono::floor<std::chrono::days>(moment);
    const std::chrono::seconds halfDay = std::chrono::hours{12};
    return sinceMidnight < halfDay ? sinceMidnight : sinceMidnight - std::chrono::days{1};
}

} // namespace corvane::lunargen
