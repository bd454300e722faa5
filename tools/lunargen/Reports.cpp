#include "Reports.h"

#include "tools/lunargen/AgrYearRow.h"
#include "tools/lunargen/ComputedRowsFile.h"
#include "tools/lunargen/EventText.h"
#include "tools/lunargen/ListedTableProof.h"
#include "tools/lunargen/MidnightEvents.h"
#include "tools/stermgen/STermMoment.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace corvane::lunargen
{

namespace
{

using namespace std::chrono;

struct NamedMeridian {
    const char *name;
    CalendarMeridian meridian;
};

constexpr NamedMeridian kHypotheses[] = {
    {"UTC+8 throughout", kStandardTimeThroughout},
    {"UTC+7:45:40 (Beijing mean time) before 1929, UTC+8 after", kBeijingTimeBefore1929},
};

std::string offsetText(seconds offset)
{
    const hh_mm_ss<seconds> clock{offset};
    char text[80]; // room for any value of each field, so no output can be cut
    std::snprintf(text,
                  sizeof text,
                  "UTC+%ld:%02ld:%02ld",
                  static_cast<long>(clock.hours().count()),
                  static_cast<long>(clock.minutes().count()),
                  static_cast<long>(clock.seconds().count()));
    return text;
}

std::string eventLine(const MidnightEvent &event)
{
    return civilTimeText(event.civil) + " " + eventText(event.event) + ", "
        + std::to_string(fromMidnight(event.civil).count()) + " s from midnight";
}

// The rows that change when one event moves to the other day, one line each.
std::string rowChanges(const CalendarDays &days, const std::vector<AgrYearRow> &rows, const MidnightEvent &event)
{
    std::vector<AgrYearRow> moved;
    try {
        moved = agrYearRows(movedAcrossMidnight(days, event), rows.front().year, rows.back().year);
    } catch (const std::runtime_error &error) {
        return std::string("      on the other day it breaks the rules: ") + error.what() + '\n';
    }
    std::string changes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string before = rowText(rows[i]);
        const std::string after = rowText(moved[i]);
        if (before != after) {
            changes += "      on the other day lunar year " + std::to_string(rows[i].year) + " would be " + after
                + " instead of " + before + '\n';
        }
    }
    return changes.empty() ? "      on the other day no row changes\n" : changes;
}

} // namespace

int printProof(const CalendarEvents &events, seconds window)
{
    int status = 0;
    for (const NamedMeridian &hypothesis : kHypotheses) {
        const auto differences =
            differencesFromListed(events, hypothesis.meridian, kFirstListedYear, kLastListedYear, window);
        const int listed = kLastListedYear - kFirstListedYear + 1;
        std::printf("%s: %d of %d listed rows reproduced\n",
                    hypothesis.name,
                    listed - static_cast<int>(differences.size()),
                    listed);
        for (const RowDifference &difference : differences) {
            std::printf("  %d listed %s computed %s\n",
                        difference.year,
                        difference.listed.c_str(),
                        difference.computed.c_str());
            for (const MidnightEvent &event : difference.explanations) {
                std::printf("    reproduced with %s on the other day\n", eventLine(event).c_str());
            }
            if (difference.explanations.empty()) {
                std::printf("    no single event within %ld s of midnight explains it\n",
                            static_cast<long>(window.count()));
                if (hypothesis.meridian == kCalendarMeridian) {
                    status = 1;
                }
            }
        }
    }

    // Which one offset before 1929 would reproduce every row: the runs of whole seconds from UTC+7:30 to
    // UTC+8:00 that do.
    const auto offsets =
        offsetsReproducingAll(events, kFirstListedYear, kLastListedYear, hours{7} + minutes{30}, hours{8}, seconds{1});
    std::printf("Single offsets before 1929 that reproduce all listed rows:");
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        const bool startsRun = i == 0 || offsets[i] - offsets[i - 1] != seconds{1};
        const bool endsRun = i + 1 == offsets.size() || offsets[i + 1] - offsets[i] != seconds{1};
        if (startsRun) {
            std::printf(" %s", offsetText(offsets[i]).c_str());
        }
        if (endsRun) {
            std::printf("..%s", offsetText(offsets[i]).c_str());
        }
    }
    std::printf("%s\n", offsets.empty() ? " none" : "");
    return status;
}

int printNearMidnight(const CalendarEvents &events, seconds window)
{
    const CalendarDays days = calendarDays(events, kCalendarMeridian);
    const std::vector<AgrYearRow> rows = agrYearRows(days, kFirstListedYear, kLastComputedYear);
    const local_days from{year{kFirstListedYear} / January / 1};
    const local_days to{year{kLastComputedYear} / December / 31};
    std::printf(
        "Events of lunar years %d..%d within %ld s of midnight (China Standard Time from 1929, Beijing mean "
        "time before):\n",
        kFirstListedYear,
        kLastComputedYear,
        static_cast<long>(window.count()));
    for (const MidnightEvent &event : eventsNearMidnight(events, kCalendarMeridian, window, from, to)) {
        std::printf("  %s\n%s", eventLine(event).c_str(), rowChanges(days, rows, event).c_str());
    }
    return 0;
}

int printLunarYear(const CalendarEvents &events, int lunarYear)
{
    const CalendarDays days = calendarDays(events, kCalendarMeridian);
    const std::vector<LunarMonth> months = lunarMonths(days);
    const AgrYearRow row = agrYearRow(months, lunarYear);
    std::printf("Lunar year %d: %s\n", lunarYear, rowText(row).c_str());
    std::printf("month  days  new moon             principal terms\n");
    const local_days newYear = local_days{year{lunarYear} / January / 1} + std::chrono::days{row.newYearOffset};
    auto month = std::find_if(months.begin(), months.end(), [&](const LunarMonth &m) { return m.start == newYear; });
    for (std::size_t slot = 0; slot < row.monthDays.size(); ++slot, ++month) {
        const auto newMoon = std::find(days.newMoons.begin(), days.newMoons.end(), month->start);
        const CalendarEvent &moon = events.newMoons[static_cast<std::size_t>(newMoon - days.newMoons.begin())];
        std::string terms;
        for (std::size_t t = 0; t < days.principalTerms.size(); ++t) {
            const local_days day = days.principalTerms[t].day;
            if (day >= month->start && day < month->start + std::chrono::days{month->days}) {
                const CalendarEvent &term = events.principalTerms[t];
                terms += (terms.empty() ? "" : ", ") + civilTimeText(civilTime(term.julianDayUt, kCalendarMeridian))
                    + " (" + std::to_string(static_cast<int>(stermgen::sTermLongitude(term.number))) + ")";
            }
        }
        std::printf("%3d%s   %d    %s  %s\n",
                    month->number,
                    month->leap ? "R" : " ",
                    month->days,
                    civilTimeText(civilTime(moon.julianDayUt, kCalendarMeridian)).c_str(),
                    terms.empty() ? "none" : terms.c_str());
    }
    return 0;
}

} // namespace corvane::lunargen
