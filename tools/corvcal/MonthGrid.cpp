#include "MonthGrid.h"

#include "DisplayWidth.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/MonthCells.h"
#include "engine/STermTable.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kWeekdayNames[] = {"日", "一", "二", "三", "四", "五", "六"};
constexpr int kNumberWidth = 4; // day numbers end at this column of their cell
constexpr std::string_view kReverse = "\x1b[7m";
constexpr std::string_view kReverseOff = "\x1b[27m";

std::string Title(int year, int month, bool withYear)
{
    using namespace ModAgrCAl;
    const AgrDate first = UniToAgrDate(std::int16_t(year), std::int16_t(month), 1);
    const AgrDate last =
        UniToAgrDate(std::int16_t(year), std::int16_t(month), std::int16_t(date::DaysInMonth(year, month)));
    std::string title = withYear ? std::to_string(year) + "年" : "";
    title += std::to_string(month) + "月  农历" + GetAgrYearName(first.Year);
    if (last.Year != first.Year)
        title += "/" + GetAgrYearName(last.Year);
    return title + " (" + GetYearZodiacName(first.Year) + ")";
}

// Text placed in a cell starting at column `left` of the cell, in reverse video when `marked`.
void PutInCell(TextLine &line, int column, int left, std::string_view text, bool marked)
{
    line.PadTo(column * kCellPitch + left);
    if (marked)
        line.AddEscape(kReverse).Add(text).AddEscape(kReverseOff);
    else
        line.Add(text);
}

int CentredLeft(std::string_view text)
{
    return (kCellWidth - DisplayWidth(text)) / 2;
}

} // namespace

int WeekColumn(int year, int month, int day, bool monday)
{
    const int weekday = date::Weekday(date::FromYmd(year, month, day)) - 1; // Sunday 0
    return monday ? (weekday + 6) % 7 : weekday;
}

TextBlock MonthGrid(int year, int month, const GridStyle &style)
{
    TextBlock lines;
    lines.push_back(Centred(Title(year, month, style.yearInTitle), kGridWidth));
    TextLine header;
    for (int column = 0; column < 7; ++column) {
        const std::string_view name = kWeekdayNames[(column + (style.monday ? 1 : 0)) % 7];
        PutInCell(header, column, CentredLeft(name), name, false);
    }
    lines.push_back(header);

    const int days = date::DaysInMonth(year, month);
    ModAgrCAl::FillMonthCells(year, month, days);
    const bool highlightHere = style.highlight && style.highlight->year == year && style.highlight->month == month;
    int weeks = 0;
    TextLine numbers;
    TextLine names;
    for (int d = 1; d <= days; ++d) {
        const ModAgrCAl::DayCell &cell = ModAgrCAl::MonthCells()[std::size_t(d)];
        const std::string_view name = cell.FestText.empty() ? cell.AgrText : cell.FestText;
        const std::string number = std::to_string(d);
        const int column = WeekColumn(year, month, d, style.monday);
        const bool marked = highlightHere && style.highlight->day == d;
        PutInCell(numbers, column, kNumberWidth - int(number.size()), number, marked);
        PutInCell(names, column, CentredLeft(name), name, marked);
        if (column == 6 || d == days) {
            lines.push_back(std::move(numbers));
            lines.push_back(std::move(names));
            numbers = names = TextLine();
            ++weeks;
        }
    }
    for (; style.sixWeeks && weeks < 6; ++weeks)
        lines.insert(lines.end(), 2, TextLine());

    TextLine terms;
    terms.Add(ModAgrCAl::GetsTermText(year, 2 * month - 1)).Add("  ").Add(ModAgrCAl::GetsTermText(year, 2 * month));
    lines.push_back(terms);
    return lines;
}

} // namespace corvane::corvcal
