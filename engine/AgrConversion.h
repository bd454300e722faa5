#pragma once

#include "engine/AgrDate.h"
#include "platform/date/DateValue.h"

#include <cstdint>
#include <string_view>

namespace corvane::ModAgrCAl
{

// Gregorian date -> lunar date, from the year table alone. Valid from 1900-01-31 (lunar New Year 1900)
// to 2031-12-31; error 9 outside. Month and day roll over as the date type does (2002-02-31 is
// 2002-03-03).
AgrDate UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day);
void UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day, AgrDate &out);

// Lunar date -> day number counted in Gregorian year `year` (1 = 1 January; past the year's length for
// lunar dates in January or February of the next year). Month and day are not checked against the
// year: a day past its month runs on into the next, day 0 is the day before the 1st. Error 9 for a
// lunar year outside [1900, 2031], error 6 when a value leaves the 16-bit range.
std::int16_t AgrDateToDayNumber(std::int16_t year, std::string_view monthText, std::int16_t day);

// Lunar date -> date value: 1 January of `year` plus (day number - 1) days.
date::Date AgrToUniDate(std::int16_t year, std::string_view monthText, std::int16_t day);

} // namespace corvane::ModAgrCAl
