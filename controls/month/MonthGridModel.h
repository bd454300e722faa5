#pragma once

#include "MonthColors.h"
#include "MonthGeometry.h"
#include "platform/date/DateValue.h"

#include <array>
#include <cstdint>
#include <string>

namespace corvane::month
{

// What the full repaint draws for one day: the number on the upper half of its cell, the festival or
// lunar text on the lower half.
struct GridDay {
    GridPosition position;
    bool bold = false; // today, while today's month is shown; both lines
    ui::OleColor numberColor = 0;
    std::string lowerText; // the festival name as stored, or the lunar text
    ui::OleColor lowerColor = 0;
};

// The content of the day grid for one Gregorian month, and the two solar-term captions beneath it.
struct MonthGridModel {
    int year = 0;
    int month = 0;
    int offset = 0; // week day of the 1st, Sunday = 0
    int dayCount = 0; // [28, 31]
    std::array<GridDay, 31> days; // days[d - 1] is day d; only the first dayCount are in use
    std::string firstTermText; // LabJie
    std::string secondTermText; // LabQi
};

// A festival text counts when something other than blanks remains of it.
bool HasFestival(const std::string &festText);

// Fills the engine's month cells for year and month [1901-01, 2030-12] and composes the grid:
// `today` decides the bold cell; the colours of numbers and lower lines follow `colors`.
MonthGridModel BuildMonthGrid(int year, int month, date::Date today, const MonthColors &colors);

} // namespace corvane::month
