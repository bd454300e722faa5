#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::stermgen
{

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2031;
constexpr int kYearCount = kLastYear - kFirstYear + 1;

// A time of day HHMM (0 to 2359) written as the table keeps it: upper-case hexadecimal of the
// decimal number HHMM, no prefix, no leading zeros (20:26 -> "7EA", 00:00 -> "0").
std::string encodeTimeOfDay(int hhmm);

// The rows of 1900, 2002 and 2031 are part of the data the library has always shipped and are kept
// as they are; every other year has none.
std::optional<std::string_view> keptRow(int year);

// The 24 times of day of a year's solar terms, computed, in China Standard Time rounded to the
// minute, as a table row ("7EA,540,...").
std::string computedRow(int year);

// The row the table carries for a year: the kept row if there is one, otherwise the computed one.
std::string tableRow(int year);

// The whole text of engine/data/STermTimeRows.inc.
std::string renderSTermTimeRowsFile();

} // namespace corvane::stermgen
