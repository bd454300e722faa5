#pragma once

#include "platform/date/DateValue.h"

#include <cstdint>

namespace corvane::ModAgrCAl
{

// The sexagenary (干支) numbers [1, 60] of a moment: 1 = "甲子" .. 60 = "癸亥".
struct EraNumbers {
    std::int16_t year;
    std::int16_t month;
    std::int16_t day;
    std::int16_t hour;
};

// Conventions for the year and month numbers: by the lunar calendar, or by the solar terms (the year
// changes at "立春", each month at the first term of its Gregorian month).
inline constexpr int kEraModeMonth = 0; // XCAgrMonth
inline constexpr int kEraModeTerm = 1; // XCAgrTerm

// Numbers of the moment made of the calendar day of `value` and the hour and minute of `time` (only
// those are read from each; a time of day in `value` is ignored). Any mode other than kEraModeTerm
// counts as kEraModeMonth. From 23:00 the day and hour are those of the first hour (子) of the next
// day. Error 9 outside the tables' range.
EraNumbers GetEraNumbers(date::Date value, date::Date time, int mode);

} // namespace corvane::ModAgrCAl
