#pragma once

#include "CorvcalRange.h"

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

// An argument as a message quotes it: in single quotes, control characters written as escapes (\n,
// \t, \x1b) so that the message stays on one line.
std::string Quoted(std::string_view text);

// Whether a text is one or more decimal digits and nothing else.
bool IsDigits(std::string_view text);

// Parses "YYYY-MM-DD" (a real calendar day); throws UsageError naming `what`.
GregorianDay ParseDay(std::string_view text, std::string_view what);
// Like ParseDay, and the day must be convertible (CorvcalRange.h).
GregorianDay ParseConvertibleDay(std::string_view text, std::string_view what);
// Parses a whole decimal number, a leading '-' allowed, in [low, high]; throws UsageError naming
// `what`, the argument as given and the range.
int ParseNumber(std::string_view text, std::string_view what, int low, int high);

// A lunar month as the command line writes it: the number, R appended for the leap month ("4R").
struct LunarMonthArg {
    int month; // [1, 12]
    bool leap;
};
LunarMonthArg ParseLunarMonth(std::string_view text, std::string_view what);

} // namespace corvane::corvcal
