#include "ListedTableProof.h"

#include "engine/AgrYearTable.h"
#include "tools/lunargen/AgrYearRow.h"

#include <stdexcept>

namespace corvane::lunargen
{

static_assert(kFirstListedYear == ModAgrCAl::kFirstAgrYear && kLastListedYear <= ModAgrCAl::kLastAgrYear);

namespace
{

using namespace std::chrono;

// The row of `year` with one event moved, or an empty text when the moved days break the rules
// (a month of 28 or 31 days, 13 months each with a principal term).
std::string rowWithMoved(const CalendarDays &days, const MidnightEvent &moved, int year)
{
    try {
        return rowText(agrYearRow(lunarMonths(movedAcrossMidnight(days, moved)), year));
    } catch (const std::runtime_error &) {
        return {};
    }
}

} // namespace

std::string listedRowText(int year)
{
    const ModAgrCAl::AgrYearInfo &info = ModAgrCAl::AgrYear(year);
    std::string flags;
    for (const std::int8_t flag : info.MonthBig) {
        flags += static_cast<char>('0' + flag);
    }
    return std::to_string(info.NewYearOffset) + ';' + flags + ';' + std::to_string(info.LeapMonth);
}

std::vector<RowDifference> differencesFromListed(const CalendarEvents &events,
                                                 const CalendarMeridian &meridian,
                                                 int firstYear,
                                                 int lastYear,
                                                 seconds window)
{
    const CalendarDays days = calendarDays(events, meridian);
    const std::vector<AgrYearRow> rows = agrYearRows(days, firstYear, lastYear);
    std::vector<RowDifference> differences;
    for (const AgrYearRow &row : rows) {
        RowDifference difference{row.year, listedRowText(row.year), rowText(row), {}};
        if (difference.listed == difference.computed) {
            continue;
        }
        // Only events from the winter solstice month before the year to its last month can touch it.
        const local_days from{year{row.year - 1} / November / 1};
        const local_days to{year{row.year + 1} / March / 1};
        for (const MidnightEvent &event : eventsNearMidnight(events, meridian, window, from, to)) {
            if (rowWithMoved(days, event, row.year) == difference.listed) {
                difference.explanations.push_back(event);
            }
        }
        differences.push_back(std::move(difference));
    }
    return differences;
}

std::vector<seconds> offsetsReproducingAll(const CalendarEvents &events,
                                           int firstYear,
                                           int lastYear,
                                           seconds least,
                                           seconds most,
                                           seconds step)
{
    std::vector<std::string> listed;
    for (int year = firstYear; year <= lastYear; ++year) {
        listed.push_back(listedRowText(year));
    }
    std::vector<seconds> offsets;
    for (seconds offset = least; offset <= most; offset += step) {
        const CalendarMeridian meridian{offset, kBeijingTimeBefore1929.firstStandardYear};
        const std::vector<AgrYearRow> rows = agrYearRows(calendarDays(events, meridian), firstYear, lastYear);
        bool all = true;
        for (std::size_t i = 0; i < rows.size() && all; ++i) {
            all = rowText(rows[i]) == listed[i];
        }
        if (all) {
            offsets.push_back(offset);
        }
    }
    return offsets;
}

} // namespace corvane::lunargen
