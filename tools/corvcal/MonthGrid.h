#pragma once

#include "TextLine.h"

#include "platform/date/DateValue.h"

#include <optional>

namespace corvane::corvcal
{

// The month grid: a title, the weekday names, for each week a line of day numbers with a line of
// festival or lunar day names beneath, and the month's two solar terms. Every day has a cell of
// kCellWidth columns, wide enough for a three-character festival name, and a column of gap after it.
inline constexpr int kCellWidth = 6;
inline constexpr int kCellPitch = kCellWidth + 1;
inline constexpr int kGridWidth = 7 * kCellPitch - 1; // the widest line but the title and terms

struct GridStyle {
    bool monday = false; // weeks start on Monday (else Sunday)
    bool yearInTitle = true; // "2002年7月 ..." (else "7月 ...", under a year's heading)
    bool sixWeeks = false; // blank weeks after the month's last, so grids set side by side line up
    std::optional<date::Ymd> highlight; // the day shown in reverse video, when it is in the month
};

// The grid of a Gregorian month the engine converts; fills the engine's month cells.
TextBlock MonthGrid(int year, int month, const GridStyle &style);

// The column [0, 6] of a day in its week row.
int WeekColumn(int year, int month, int day, bool monday);

} // namespace corvane::corvcal
