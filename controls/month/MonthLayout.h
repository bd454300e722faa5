#pragma once

#include "platform/ui/Twips.h"

namespace corvane::month
{

using ui::TwipsRect;

// clang-format off
// The parts of the month control: left, top, width, height in twips, relative to the inner area of
// the container named in the comment. Parts later in a container lie in front of earlier ones.
namespace layout
{
inline constexpr TwipsRect PictBack    {0,    0,    4365, 3195}; // control: frame, inner area
inline constexpr TwipsRect LabJQback   {0,    2880, 4365, 315};  // PictBack: solar-term strip
inline constexpr TwipsRect LabJie      {180,  2940, 1665, 255};  // PictBack
inline constexpr TwipsRect LabQi       {1950, 2940, 1665, 255};  // PictBack
inline constexpr TwipsRect LabToday    {3810, 2940, 405,  195};  // PictBack
inline constexpr TwipsRect PictWeekday {0,    330,  4365, 285};  // PictBack: week-day strip
inline constexpr TwipsRect PicBack     {0,    0,    4365, 345};  // PictBack: header band
inline constexpr TwipsRect PicMonth    {0,    600,  4365, 2295}; // PictBack: the day grid, in front
inline constexpr TwipsRect HScMonth    {-30,  -30,  4395, 390};  // PicBack: month arrows
inline constexpr TwipsRect PictBoard   {180,  -30,  3975, 375};  // PicBack: header board
inline constexpr TwipsRect Pictcmby    {90,   90,   705,  165};  // PictBoard: clips the year list
inline constexpr TwipsRect CmbUniYear  {-30,  -60,  795,  300};  // Pictcmby
inline constexpr TwipsRect PicColY     {480,  0,    60,   450};  // Pictcmby
inline constexpr TwipsRect Pictcmbm    {960,  90,   645,  165};  // PictBoard: clips the month list
inline constexpr TwipsRect CmbUniMonth {-30,  -60,  735,  300};  // Pictcmbm
inline constexpr TwipsRect PictColM    {420,  -30,  60,   450};  // Pictcmbm
inline constexpr TwipsRect LabAgrCal   {1890, 90,   405,  195};  // PictBoard
inline constexpr TwipsRect LabAgrYear  {2370, 90,   585,  195};  // PictBoard
inline constexpr TwipsRect LabAgrMonth {2970, 90,   375,  195};  // PictBoard
inline constexpr TwipsRect LabAnimal   {3540, 90,   285,  195};  // PictBoard

// LabWeekDay(i), i = 0..6 (Sunday first), in PictWeekday.
constexpr TwipsRect LabWeekDay(int i) { return {30 + 615 * i, 30, 585, 225}; }

// The control's outer size: Flat, and 3D with its one-pixel sunken border on each side.
inline constexpr int kFlatWidth = 4365;
inline constexpr int kFlatHeight = 3195;
inline constexpr int k3DWidth = 4395;
inline constexpr int k3DHeight = 3225;
} // namespace layout
// clang-format on

} // namespace corvane::month
