#pragma once

#include "JsonWriter.h"

#include "engine/AgrDate.h"
#include "engine/MonthCells.h"
#include "platform/date/DateValue.h"

#include <string>

namespace corvane::corvcal
{

// The JSON pieces several commands share, so that a field means the same everywhere.

// Fields of a Gregorian day and its lunar date, into the open object: "date" (YYYY-MM-DD), "year",
// "month" (the number, 1-12), "leap" (true in the leap month), "day", "slot".
void WriteLunarFields(JsonWriter &json, date::Date day, const ModAgrCAl::AgrDate &agr);

// The solar term whose moment falls on the day, or "" when none does.
std::string TermNameOfDay(date::Date day);

// A day as `corvcal dump` lists it: an object of the lunar fields and "festival" (empty when none),
// "cell_text" (what the month grid shows under the day), "day_era" (the day's stem-branch name),
// "sterm" (the solar term whose moment falls on the day, empty when none).
void WriteDayObject(JsonWriter &json, date::Date day, const ModAgrCAl::DayCell &cell);

// A solar term of a Gregorian year: an object of "number" (1 = 小寒), "name", "text" (as the month
// grid shows it) and "moment" ("YYYY-MM-DD hh:mm", China Standard Time).
void WriteTermObject(JsonWriter &json, int year, int term);

} // namespace corvane::corvcal
