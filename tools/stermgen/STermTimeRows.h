#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::stermgen
{

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
constexpr int kYearCount = kLastYear - kFirstYear + 1;

// A time of day HHMM (0 to 2359) written as the table keeps it: upper-case hexadecimal of the
// decimal number HHMM, no prefix, no leading zeros (20:26 -> "7EA", 00:00 -> "0").
std::string encodeTimeOfDay(int hhmm);

// The rows of 1900, 2002 and 2031 are part of the data the library has always shipped and are kept
// as they are; every other year has none.
std::optional<std::string_view> keptRow(int year);

// What the table carries for a year: the 24 times of day ("7EA,540,...") and the days of the month
// on which the terms fall ("5,20,4,..."). Days are empty for a kept row: the engine takes those from
// its mean-year formula, as it always has.
struct TableRow {
    std::string times;
    std::string days;
};

// The computed row of a year: each term's moment in China Standard Time, rounded to the minute once,
// gives both its time of day and its day.
TableRow computedRow(int year);

// The row the table carries for a year: the kept times if there are any, otherwise the computed row.
TableRow tableRow(int year);

// The whole text of engine/data/STermTimeRows.inc.
std::string renderSTermTimeRowsFile();

} // namespace corvane::stermgen
