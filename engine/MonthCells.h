#pragma once

#include "engine/AgrDate.h"

#include <array>
#include <cstdint>
#include <string>

namespace corvane::ModAgrCAl
{

// What the month grid shows for one day: its lunar date, festival and lunar text.
struct DayCell {
    std::int16_t Year = 0; // lunar year
    std::string Month; // lunar month text ("6", "8R")
    std::int16_t Day = 0; // lunar day [1, 30]
    std::int16_t MonthSlot = 0; // [1, 13]
    std::string FestText; // festival name, empty if none
    std::string AgrText; // the month name on the first day of a lunar month, else the day name

    friend bool operator==(const DayCell &, const DayCell &) = default;
};

// The cells of the month last filled on this thread: element d describes day d [1, 31]; element 0 is
// unused, elements past the month's last day keep what an earlier fill left.
using MonthCellArray = std::array<DayCell, 32>;
const MonthCellArray &MonthCells();

// Fills elements 1..dayCount of MonthCells for Gregorian year and month. Each day after the first is
// counted on from the one before; only a new lunar month is converted from scratch. Error 9 outside
// the tables' range.
void FillMonthCells(int year, int month, int dayCount);

// Fills one cell for Gregorian day year-month-day whose lunar date is `agr`: the lunar fields, the
// festival and the lunar text.
void FillDayCell(DayCell &cell, int year, int month, int day, const AgrDate &agr);

// Empties every element (the termination step of the last engine client).
void ClearMonthCells();

} // namespace corvane::ModAgrCAl
