#pragma once

#include "platform/date/DateValue.h"

#include "corvane/calendar.h"

namespace corvane::calendar
{

// The span the calendar accepts, from the engine's tables: the Gregorian days from lunar New Year of
// the first year to 31 December of the last year, and the lunar dates of those days.
date::Ymd FirstDay();
date::Ymd LastDay();

// A Gregorian day the calendar accepts: error 5 for one that does not exist, 9 outside the span.
void CheckDay(int year, int month, int day);

// A lunar year of the tables (leap months, month lengths, zodiac); error 9 outside.
void CheckYear(int year);

// A Gregorian year of the solar-term table; error 9 outside.
void CheckTermYear(int year);

// The length (29 or 30) of a lunar month that exists: error 9 for a year outside the tables, 5 for a
// month number outside 1-12 or a leap month the year lacks.
int CheckedMonthLength(int year, int month, bool leap);

// The Gregorian day of a lunar date that exists and lies within the span: errors as CheckedMonthLength,
// 5 for a day the month does not have, 9 for a day after the span.
date::Ymd CheckedLunarDate(const corv_lunar_date &date);

} // namespace corvane::calendar
