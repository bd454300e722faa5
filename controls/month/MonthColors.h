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
    ui::OleColor DateBackColor = 0x8000000E; // system highlight text
    ui::OleColor WeekForeColor = 0x80000010; // system button shadow
    ui::OleColor StForeColor = 0x00008000; // green
    ui::OleColor WeekBackColor = 0x80000005; // system window
    ui::OleColor sTermBackColor = 0x8000000F; // system button face
    ui::OleColor SelectColor = 0x00FFFF80; // light cyan
    friend constexpr bool operator==(const MonthColors &, const MonthColors &) = default;
};

// The colours of the fixed parts.
inline constexpr ui::OleColor kWindowColor = 0x80000005; // frame and list clipping windows
inline constexpr ui::OleColor kWindowTextColor = 0x80000008; // solar-term captions
inline constexpr ui::OleColor kButtonFaceColor = 0x8000000F; // header board, lists, strips
inline constexpr ui::OleColor kButtonTextColor = 0x80000012; // header captions, "今天"
inline constexpr ui::OleColor kWindowFrameColor = 0x80000006; // line around the solar-term strip

} // namespace corvane::month
