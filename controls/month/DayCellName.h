#pragma once

#include <string>
#include <string_view>

namespace corvane::month
{

// The week-day captions of the grid's header, Sunday first: column [0, 6].
std::string_view WeekDayCaption(int column);

// What assistive technology reads for a day of the grid, a Gregorian day of 1901..2030: the date
// without leading zeros, its week day and its lunar month and day, then its festival and its solar
// term when it has them, each after a blank: "2002年7月19日 星期五 农历六月初十".
std::string DayCellName(int year, int month, int day);

} // namespace corvane::month
