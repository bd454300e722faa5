#include "AgrYearRow.h"

#include <algorithm>
#include <stdexcept>

namespace corvane::lunargen
{

namespace
{

using namespace std::chrono;

constexpr std::size_t kSlotPlaces = 13;

bool startsYear(const LunarMonth &month)
{
    return month.number == 1 && !month.leap;
}

} // namespace

AgrYearRow agrYearRow(const std::vector<LunarMonth> &months, int year)
{
    const local_days firstOfJanuary{std::chrono::year{year} / January / 1};
    const local_days firstOfNextJanuary{std::chrono::year{year + 1} / January / 1};
    const auto first = std::find_if(months.begin(), months.end(), [&](const LunarMonth &month) {
        return startsYear(month) && month.start >= firstOfJanuary && month.start < firstOfNextJanuary;
    });
    const auto end = first == months.end() ? first : std::find_if(first + 1, months.end(), startsYear);
    if (end == months.end()) {
        throw std::runtime_error("the months do not cover lunar year " + std::to_string(year));
    }

    AgrYearRow row{year, static_cast<int>((first->start - firstOfJanuary).count()), {}, 0};
    for (auto month = first; month != end; ++month) {
        row.monthDays.push_back(month->days);
        if (month->leap) {
            row.leapMonth = month->number;
        }
    }
    return row;
}

std::vector<AgrYearRow> agrYearRows(const CalendarDays &days, int firstYear, int lastYear)
{
    const std::vector<LunarMonth> months = lunarMonths(days);
    std::vector<AgrYearRow> rows;
    for (int year = firstYear; year <= lastYear; ++year) {
        rows.push_back(agrYearRow(months, year));
    }
    return rows;
}

std::string rowText(const AgrYearRow &row)
{
    std::string flags;
    for (const int days : row.monthDays) {
        flags += days == 30 ? '1' : '0';
    }
    flags.resize(kSlotPlaces, '2');
    return std::to_string(row.newYearOffset) + ';' + flags + ';' + std::to_string(row.leapMonth);
}

} // namespace corvane::lunargen
