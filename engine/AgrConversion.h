#pragma once

#include "engine/AgrDate.h"
#include "platform/date/DateValue.h"

#include <chrono>
#include <cstdint>
#include <string_view>

namespace corvane::ModAgrCAl
{

// A lunar date as the conversions compute it, before its month becomes the text of AgrDate.
struct AgrDateNumbers {
    int Year;
    int Month; // [1, 12]; the leap month carries the number of the month it repeats
    bool Leap;
    int Day; // [1, 30]
    int MonthSlot; // [1, 13]
};

// Gregorian date -> lunar date, from the year table alone. Valid from 1900-01-31 (lunar New Year 1900)
// to 2100-12-31; error 9 outside. Month and day roll over as the date type does (2002-02-31 is
// 2002-03-03).
AgrDateNumbers UniToAgrNumbers(std::int16_t year, std::int16_t month, std::int16_t day);
AgrDate UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day);
void UniToAgrDate(std::int16_t year, std::int16_t month, std::int16_t day, AgrDate &out);

// The slot of a month within lunar year `year`: the month number, plus one for the leap month and
// for the months after it ([1, 13] for the months of the year). Error 9 for a year outside
// [1900, 2100], error 6 when the number leaves the 16-bit range.
int AgrMonthSlot(std::int16_t year, int month, bool leap);

// Lunar date -> day number counted in Gregorian year `year` (1 = 1 January; past the year's length for
// lunar dates in January or February of the next year). Month and day are not checked against the
// year: a day past its month runs on into the next, day 0 is the day before the 1st. Error 9 for a
// lunar year outside [1900, 2100], error 6 when a value leaves the 16-bit range.
std::int16_t AgrDateToDayNumber(std::int16_t year, int month, bool leap, std::int16_t day);
std::int16_t AgrDateToDayNumber(std::int16_t year, std::string_view monthText, std::int16_t day);

// Lunar date -> the day: 1 January of `year` plus (day number - 1) days.
std::chrono::sys_days AgrToUniDays(std::int16_t year, int month, bool leap, std::int16_t day);
// The same as a date value.
date::Date AgrToUniDate(std::int16_t year, std::string_view monthText, std::int16_t day);

} // namespace corvane::ModAgrCAl
