#include "CorvcalArgs.h"

#include "platform/date/DateValue.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <optional>

namespace corvane::corvcal
{

namespace
{

// A whole decimal number, optionally negative. A number too large for `long long` is still a whole
// number: it comes back as the nearest end of that range, so range checks report it as outside.
std::optional<long long> WholeNumber(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!IsDigits(negative ? text.substr(1) : text))
        return std::nullopt;
    long long value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc::result_out_of_range)
        return negative ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    return value;
}

std::string RangeText(int low, int high)
{
    return std::to_string(low) + "-" + std::to_string(high);
}

} // namespace

bool IsDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

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
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !IsDigits(text.substr(0, 4))
        || !IsDigits(text.substr(5, 2)) || !IsDigits(text.substr(8, 2)))
        throw UsageError(problem + " is not a date: write it as YYYY-MM-DD, from " + DayRangeText());
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
    if (!IsConvertible(day))
        throw UsageError(std::string(what) + " " + Quoted(text) + " is outside the supported range " + DayRangeText());
    return day;
}

int ParseNumber(std::string_view text, std::string_view what, int low, int high)
{
    const std::optional<long long> value = WholeNumber(text);
    if (!value)
        throw UsageError(std::string(what) + " " + Quoted(text) + " is not a whole number (" + RangeText(low, high)
                         + ")");
    if (*value < low || *value > high)
        throw UsageError(std::string(what) + " " + Quoted(text) + " is outside the supported range "
                         + RangeText(low, high));
    return int(*value);
}

LunarMonthArg ParseLunarMonth(std::string_view text, std::string_view what)
{
    const bool leap = text.ends_with('R');
    const std::optional<long long> value = WholeNumber(leap ? text.substr(0, text.size() - 1) : text);
    if (!value)
        throw UsageError(std::string(what) + " " + Quoted(text)
                         + " is not a month: write 1-12, with R appended for the leap month (4R)");
    if (*value < 1 || *value > 12)
        throw UsageError(std::string(what) + " " + Quoted(text) + " is outside the supported range 1-12");
    return {int(*value), leap};
}

} // namespace corvane::corvcal
