#include "MonthGridModel.h"

#include "engine/MonthCells.h"
#include "engine/STermTable.h"

namespace corvane::month
{

bool HasFestival(const std::string &festText)
{
    return festText.find_first_not_of(' ') != std::string::npos;
}

MonthGridModel BuildMonthGrid(int year, int month, date::Date today, const MonthColors &colors)
{
    MonthGridModel model;
    model.year = year;
    model.month = month;
    model.offset = FirstDayOffset(year, month);
    model.dayCount = date::DaysInMonth(year, month);

    const date::Ymd now = date::YmdOf(today);
    const bool currentMonthShown = now.year == year && now.month == month;

    ModAgrCAl::FillMonthCells(year, month, model.dayCount);
    const ModAgrCAl::MonthCellArray &cells = ModAgrCAl::MonthCells();
    for (int d = 1; d <= model.dayCount; ++d) {
        const ModAgrCAl::DayCell &cell = cells[std::size_t(d)];
        GridDay &day = model.days[std::size_t(d - 1)];
        day.position = PlaceDay(model.offset, d);
        day.bold = currentMonthShown && d == now.day;
        const bool festival = HasFestival(cell.FestText);
        if (festival || day.position.column == 0)
            day.numberColor = colors.FestForeColor;
        else if (day.position.column == kColumns - 1)
            day.numberColor = colors.StForeColor;
        else
            day.numberColor = colors.ForeColor;
        day.lowerText = festival ? cell.FestText : cell.AgrText;
        day.lowerColor = festival ? colors.FestForeColor : colors.AgrForeColor;
    }
    model.firstTermText = ModAgrCAl::GetsTermText(year, 2 * month - 1);
    model.secondTermText = ModAgrCAl::GetsTermText(year, 2 * month);
    return model;
}

} // namespace corvane::month
