#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/AgrYearTable.h"
#include "engine/MonthCells.h"
#include "engine/STermTable.h"
#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"

#include <iomanip>

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal month [YEAR MONTH]";
constexpr int kCellWidth = 6; // display columns of one day; a Chinese character takes two

// A Gregorian month whose every day the engine converts.
bool Convertible(int year, int month)
{
    return (year > kFirstDay.year || month > kFirstDay.month) && year <= kLastDay.year;
}

// A day's text in the grid: its festival, else its lunar text; centred in the cell (a Chinese
// character takes two columns).
std::string CellText(const ModAgrCAl::DayCell &cell)
{
    const std::string &text = cell.FestText.empty() ? cell.AgrText : cell.FestText;
    return text.size() >= 9 ? text : " " + text + " ";
}

void Run(Args args, std::ostream &out)
{
    using namespace ModAgrCAl;
    ExpectArgCount(args, 0, 2, kUsage);
    if (args.size() == 1)
        throw UsageError("give both YEAR and MONTH, or neither; usage: " + std::string(kUsage));
    int year = 0;
    int month = 0;
    if (args.empty()) {
        const date::Ymd today = date::YmdOf(date::Today());
        year = today.year;
        month = today.month;
        if (!Convertible(year, month))
            throw UsageError("today lies outside the supported months 1900-02 to 2031-12; give YEAR MONTH");
    } else {
        year = ParseNumber(args[0], "year", 1900, 2031);
        month = ParseNumber(args[1], "month", 1, 12);
        if (!Convertible(year, month))
            throw UsageError("1900-01 is outside the supported months 1900-02 to 2031-12");
    }

    const AgrDate first = UniToAgrDate(std::int16_t(year), std::int16_t(month), 1);
    const int days = date::DaysInMonth(year, month);
    const AgrDate last = UniToAgrDate(std::int16_t(year), std::int16_t(month), std::int16_t(days));
    out << year << "年" << month << "月  农历" << GetAgrYearName(first.Year);
    if (last.Year != first.Year)
        out << "/" << GetAgrYearName(last.Year);
    out << " (" << GetZodiacName((first.Year + 8) % 12 + 1) << ")\n";
    out << "  日    一    二    三    四    五    六\n";

    const int offset = date::Weekday(date::FromYmd(year, month, 1)) - 1; // Sunday first
    std::string numbers(std::size_t(offset * kCellWidth), ' ');
    std::string names = numbers;
    FillMonthCells(year, month, days);
    for (int d = 1; d <= days; ++d) {
        char number[16];
        std::snprintf(number, sizeof number, "%4d  ", d);
        numbers += number;
        names += CellText(MonthCells()[std::size_t(d)]);
        if ((offset + d) % 7 == 0 || d == days) {
            out << numbers.substr(0, numbers.find_last_not_of(' ') + 1) << "\n"
                << names.substr(0, names.find_last_not_of(' ') + 1) << "\n";
            numbers.clear();
            names.clear();
        }
    }
    out << GetsTermText(year, 2 * month - 1) << "  " << GetsTermText(year, 2 * month) << "\n";
}

} // namespace

Command MonthCommand()
{
    return {"month",
            "month [YEAR MONTH]         a month grid with the lunar days",
            "usage: corvcal month [YEAR MONTH]\n"
            "Prints a Gregorian month as a grid, Sunday first, each day with its festival or lunar day\n"
            "name beneath (the month name on the first day of a lunar month), then the month's two solar\n"
            "terms. Without arguments: this month.\n"
            "Months 1900-02 to 2031-12.\n",
            Run};
}

} // namespace corvane::corvcal
