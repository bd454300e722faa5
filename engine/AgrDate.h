#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::ModAgrCAl
{

// A lunar date. The month travels as text: the month number in decimal without leading zeros, with
// "R" appended for the leap month ("8R" is the leap month after the 8th). An "R" anywhere marks the
// leap month.
struct AgrDate {
    std::int16_t Year = 0; // numbered like the Gregorian year in which its New Year's Day falls
    std::string Month;
    std::int16_t Day = 0; // [1, 30]
    std::int16_t MonthSlot = 0; // position of the month within its year, leap month counted [1, 13]

    friend bool operator==(const AgrDate &, const AgrDate &) = default;
};

struct MonthNumber {
    int number; // the month number with any "R" removed; 0 when the text holds no number
    bool leap;
};

// Reads a month text: the "R"s are dropped and the leading decimal digits taken (leading blanks
// skipped, reading stops at the first other character), as the date type's number reader does.
MonthNumber ParseMonthText(std::string_view text);

// The month text of a month number: "6", or "8R" for a leap month.
std::string MakeMonthText(int number, bool leap);
void AssignMonthText(std::string &text, int number, bool leap);

} // namespace corvane::ModAgrCAl
