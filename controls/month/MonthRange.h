#pragma once

#include "platform/date/DateValue.h"

namespace corvane::month
{

// The month control shows and selects dates of the Gregorian years 1901 to 2030. The month scroll
// bar counts the months of that range: value = (year - 1901) * 12 + month, 1 for January 1901 to
// 1560 for December 2030.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2030;
inline constexpr int kFirstMonthValue = 1;
inline constexpr int kLastMonthValue = (kLastYear - kFirstYear + 1) * 12;

bool InSupportedYears(date::Date value);

// A date assigned to the control: one whose year lies outside the range becomes the date built from
// the nearest supported year and its own month and day (29 February of a year that lacks it carries
// into March), without time of day; a date inside the range is kept as it is, time included.
date::Date ClampToSupportedYears(date::Date value);

constexpr int MonthValueOf(int year, int month)
{
    return (year - kFirstYear) * 12 + month;
}

} // namespace corvane::month
