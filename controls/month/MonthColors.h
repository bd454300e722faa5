#pragma once

#include "platform/ui/OleColor.h"

namespace corvane::month
{

// The nine colour properties of the month control, as OLE colours:
//   ForeColor       day numbers, Monday to Friday, of days without a festival
//   FestForeColor   the Sunday caption; day numbers on Sundays; number and name of every festival
//   StForeColor     the Saturday caption; day numbers on Saturdays without a festival
//   WeekForeColor   the Monday to Friday captions
//   AgrForeColor    the lunar line of days without a festival
//   DateBackColor   background of the grid
//   WeekBackColor   background of the week-day strip
//   sTermBackColor  background of the solar-term strip
//   SelectColor     pen of the selection highlight
struct MonthColors {
    ui::OleColor ForeColor = 0x00000000; // black
    ui::OleColor AgrForeColor = 0x00800000; // dark blue
    ui::OleColor FestForeColor = 0x000000FF; // red
    ui::OleColor DateBackColor = ui::kHighlightTextColor;
    ui::OleColor WeekForeColor = ui::kButtonShadowColor;
    ui::OleColor StForeColor = 0x00008000; // green
    ui::OleColor WeekBackColor = ui::kWindowColor;
    ui::OleColor sTermBackColor = ui::kButtonFaceColor;
    ui::OleColor SelectColor = 0x00FFFF80; // light cyan
    friend constexpr bool operator==(const MonthColors &, const MonthColors &) = default;
};

// The fixed parts use system colours: window for the frame and the list clipping windows, window text
// for the solar-term captions, button face for the header board, lists and strips, button text for
// the header captions and "今天", window frame for the line around the solar-term strip.

} // namespace corvane::month
