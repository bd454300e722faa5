#include "MonthCells.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/AgrYearTable.h"
#include "engine/FestTables.h"

namespace corvane::ModAgrCAl
{

namespace
{

MonthCellArray &Cells()
{
    thread_local MonthCellArray cells;
    return cells;
}

} // namespace

const MonthCellArray &MonthCells()
{
    return Cells();
}

void FillMonthCells(int year, int month, int dayCount)
{
    MonthCellArray &cells = Cells();
    AgrDate agr;
    UniToAgrDate(std::int16_t(year), std::int16_t(month), 1, agr);
    for (int e = 1; e <= dayCount && e < int(cells.size()); ++e) {
        FillDayCell(cells[std::size_t(e)], year, month, e, agr);
        const AgrYearRecord &record = AgrYearRecordOf(agr.Year);
        agr.Day = std::int16_t(agr.Day + 1);
        if (e < dayCount && agr.Day > 29 + record.info.MonthBig[std::size_t(agr.MonthSlot - 1)])
            UniToAgrDate(std::int16_t(year), std::int16_t(month), std::int16_t(e + 1), agr);
    }
}

void FillDayCell(DayCell &cell, int year, int month, int day, const AgrDate &agr)
{
    cell.Year = agr.Year;
    cell.Month = agr.Month;
    cell.Day = agr.Day;
    cell.MonthSlot = agr.MonthSlot;
    cell.FestText = GetFestName(year, month, day, agr.Month, agr.Day);
    cell.AgrText = agr.Day == 1 ? GetAgrMonthName(agr.Month, AgrYear(agr.Year).LeapMonth) : GetAgrDayName(agr.Day);
}

void ClearMonthCells()
{
    Cells().fill(DayCell{});
}

} // namespace corvane::ModAgrCAl
