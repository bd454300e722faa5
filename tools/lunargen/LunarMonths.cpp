#include "LunarMonths.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace corvane::lunargen
{

namespace
{

using std::chrono::local_days;

constexpr int kMonthsInCommonYear = 12;
constexpr int kWinterSolsticeMonth = 11;

// The index of the month that holds `day`: the last new moon on or before it. The month must be
// closed by a later new moon, or its length is unknown.
std::size_t monthHolding(const std::vector<local_days> &newMoons, local_days day)
{
    const auto next = std::upper_bound(newMoons.begin(), newMoons.end(), day);
    if (next == newMoons.begin() || next == newMoons.end()) {
        throw std::runtime_error("the new moons do not span the day of a principal term");
    }
    return static_cast<std::size_t>(next - newMoons.begin()) - 1;
}

// The terms are in time order, so their days are too.
bool holdsPrincipalTerm(const CalendarDays &days, std::size_t month)
{
    const auto term = std::lower_bound(days.principalTerms.begin(),
                                       days.principalTerms.end(),
                                       days.newMoons[month],
                                       [](const TermDay &t, local_days day) { return t.day < day; });
    return term != days.principalTerms.end() && term->day < days.newMoons[month + 1];
}

} // namespace

std::vector<LunarMonth> lunarMonths(const CalendarDays &days)
{
    std::vector<std::size_t> solsticeMonths;
    for (const TermDay &term : days.principalTerms) {
        if (term.winterSolstice) {
            solsticeMonths.push_back(monthHolding(days.newMoons, term.day));
        }
    }
    if (solsticeMonths.size() < 2) {
        throw std::runtime_error("the events hold fewer than two winter solstices");
    }

    std::vector<LunarMonth> months;
    for (std::size_t s = 0; s + 1 < solsticeMonths.size(); ++s) {
        const std::size_t first = solsticeMonths[s];
        const std::size_t end = solsticeMonths[s + 1];
        const bool hasLeapMonth = end - first > kMonthsInCommonYear;
        if (end - first < kMonthsInCommonYear || end - first > kMonthsInCommonYear + 1) {
            throw std::runtime_error("winter solstices " + std::to_string(end - first) + " months apart");
        }
        bool leapSeen = false;
        int number = kWinterSolsticeMonth - 1;
        for (std::size_t m = first; m < end; ++m) {
            const bool leap = hasLeapMonth && !leapSeen && m != first && !holdsPrincipalTerm(days, m);
            leapSeen = leapSeen || leap;
            if (!leap) {
                number = number % kMonthsInCommonYear + 1;
            }
            const int length = static_cast<int>((days.newMoons[m + 1] - days.newMoons[m]).count());
            if (length != 29 && length != 30) {
                throw std::runtime_error("new moons " + std::to_string(length) + " days apart");
            }
            months.push_back({days.newMoons[m], length, number, leap});
        }
        if (hasLeapMonth && !leapSeen) {
            throw std::runtime_error("13 months between winter solstices, each with a principal term");
        }
    }
    return months;
}

} // namespace corvane::lunargen
