#include "CorvcalArgs.h"

#include "platform/date/DateValue.h"

#include <charconv>
#include <cstdio>
#include <tuple>

namespace corvane::corvcal
{

namespace
{

bool AllDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

std::string Quoted(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '\'';
    for (const char c : text) {
        switch (c) {
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '\r':
            quoted += "\\r";
            break;
        default:
            if (const auto byte = static_cast<unsigned char>(c); byte < 0x20 || byte == 0x7f) {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\x%02x", byte);
                quoted += escape;
            } else {
                quoted += c;
            }
        }
    }
    quoted += '\'';
    return quoted;
}

GregorianDay ParseDay(std::string_view text, std::string_view what)
{
    const std::string problem = std::string(what) + " " + Quoted(text);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !AllDigits(text.substr(0, 4))
        || !AllDigits(text.substr(5, 2)) || !AllDigits(text.substr(8, 2)))
        throw UsageError(problem + " is not a date: write it as YYYY-MM-DD, from " + std::string(kDayRange));
    GregorianDay day{};
    std::from_chars(text.data(), text.data() + 4, day.year);
    std::from_chars(text.data() + 5, text.data() + 7, day.month);
    std::from_chars(text.data() + 8, text.data() + 10, day.day);
    if (day.month < 1 || day.month > 12 || day.day < 1 || day.day > date::DaysInMonth(day.year, day.month))
        throw UsageError(problem + " is not a day of the calendar");
    return day;
}

GregorianDay ParseConvertibleDay(std::string_view text, std::string_view what)
{
    const GregorianDay day = ParseDay(text, what);
    if (day < kFirstDay || kLastDay < day)
        throw UsageError(std::string(what) + " " + Quoted(text) + " is outside the supported range "
                         + std::string(kDayRange));
    return day;
}

int ParseNumber(std::string_view text, std::string_view what, int low, int high)
{
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    const std::string range = std::to_string(low) + "-" + std::to_string(high);
    if (!AllDigits(text) || result.ec != std::errc{} || result.ptr != text.data() + text.size())
        throw UsageError(std::string(what) + " " + Quoted(text) + " is not a whole number (" + range + ")");
    if (value < low || value > high)
        throw UsageError(std::string(what) + " " + Quoted(text) + " is outside the supported range " + range);
    return value;
}

bool operator<(const GregorianDay &a, const GregorianDay &b)
{
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

std::string DayText(const GregorianDay &day)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", day.year, day.month, day.day);
    return buffer;
}

} // namespace corvane::corvcal
