#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane
{

// The ISO text of date values that the literal syntax, string conversion and the tools share:
// "2002-07-19", "2002-07-19T10:30" or "2002-07-19T10:30:15" (a blank may stand for the T), years
// 0100 to 9999, the time to the whole second.

// Parses a date at the start of text. With consumed == nullptr the whole text must be the date;
// otherwise the longest date at the start is taken and its length stored.
std::optional<double> ParseIsoDate(std::string_view text, std::size_t *consumed = nullptr);

// "2002-07-19" for a value without time of day, otherwise "2002-07-19<separator>10:30:00".
std::string FormatIsoDate(double date, char separator = 'T');

// Whether FormatIsoDate gives a text that parses back to exactly this value (a whole second inside
// the year range); other values need another spelling to survive a round trip.
bool IsoDateRoundTrips(double date);

} // namespace corvane
