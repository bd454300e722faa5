#pragma once

#include "platform/date/DateValue.h"

#include <string_view>

namespace corvane::ModAgrCAl
{

// Festivals: on a fixed Gregorian date, on a fixed lunar date, and on the n-th weekday of a Gregorian
// month. The first table that matches wins, in that order.

// The festival of a day, or an empty text. Days of a leap month never carry a lunar festival. The
// name points into constant data.
std::string_view GetFestName(int year, int month, int day, std::string_view agrMonthText, int agrDay);

// The date of the n-th `weekday` (1 = Sunday .. 7 = Saturday) of a Gregorian month.
date::Date GetNthWeekday(int year, int month, int n, int weekday);

// Life-cycle of the festival tables (compiled-in entries): loaded through InitAgrTables, never cleared.
void LoadFestTables();
bool AreFestTablesLoaded();

} // namespace corvane::ModAgrCAl
