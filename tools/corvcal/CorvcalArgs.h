#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane::corvcal
{

// A command-line mistake: the message names the problem and the accepted form or range.
class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct GregorianDay {
    int year;
    int month;
    int day;
};

// The Gregorian days the engine can convert.
inline constexpr GregorianDay kFirstDay{1900, 1, 31};
inline constexpr GregorianDay kLastDay{2031, 12, 31};
inline constexpr std::string_view kDayRange = "1900-01-31 to 2031-12-31";

// An argument as a message quotes it: in single quotes, control characters written as escapes (\n,
// \t, \x1b) so that the message stays on one line.
std::string Quoted(std::string_view text);

// Parses "YYYY-MM-DD" (a real calendar day); throws UsageError naming `what`.
GregorianDay ParseDay(std::string_view text, std::string_view what);
// Like ParseDay, and the day must lie in kFirstDay..kLastDay.
GregorianDay ParseConvertibleDay(std::string_view text, std::string_view what);
// Parses a whole decimal number in [low, high]; throws UsageError naming `what` and the range.
int ParseNumber(std::string_view text, std::string_view what, int low, int high);

bool operator<(const GregorianDay &a, const GregorianDay &b);
std::string DayText(const GregorianDay &day); // YYYY-MM-DD

} // namespace corvane::corvcal
