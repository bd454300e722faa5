#include "DateText.h"

#include "platform/date/DateFormat.h"
#include "platform/date/DateValue.h"

#include <cmath>

namespace corvane
{

namespace
{

// Reads exactly `width` digits at text[pos].
std::optional<int> Digits(std::string_view text, std::size_t pos, std::size_t width)
{
    if (pos + width > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = pos; i < pos + width; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "hh:mm" or "hh:mm:ss" at text[pos]: seconds of the day and the length read.
std::optional<int> ParseTime(std::string_view text, std::size_t pos, std::size_t &length)
{
    const auto hour = Digits(text, pos, 2);
    const auto minute = Digits(text, pos + 3, 2);
    if (!hour || !minute || text[pos + 2] != ':' || *hour > 23 || *minute > 59)
        return std::nullopt;
    int seconds = 0;
    length = 5;
    if (pos + 5 < text.size() && text[pos + 5] == ':') {
        const auto second = Digits(text, pos + 6, 2);
        if (!second || *second > 59)
            return std::nullopt;
        seconds = *second;
        length = 8;
    }
    return *hour * 3600 + *minute * 60 + seconds;
}

} // namespace

std::optional<double> ParseIsoDate(std::string_view text, std::size_t *consumed)
{
    const auto year = Digits(text, 0, 4);
    const auto month = Digits(text, 5, 2);
    const auto day = Digits(text, 8, 2);
    if (!year || !month || !day || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    if (*year < 100 || *month < 1 || *month > 12 || *day < 1 || *day > date::DaysInMonth(*year, *month))
        return std::nullopt;
    std::size_t length = 10;
    int seconds = 0;
    if (text.size() > 10 && (text[10] == 'T' || text[10] == ' ')) {
        std::size_t timeLength = 0;
        const auto time = ParseTime(text, 11, timeLength);
        if (time) {
            seconds = *time;
            length = 11 + timeLength;
        } else if (text[10] == 'T') {
            return std::nullopt;
        }
    }
    if (consumed)
        *consumed = length;
    else if (length != text.size())
        return std::nullopt;
    return date::Join(date::DaysFromYmd(*year, *month, *day), seconds);
}

std::string FormatIsoDate(double value, char separator)
{
    std::string text = date::Format(value, "YYYY-MM-DD");
    if (date::Split(value).seconds != 0) {
        text.push_back(separator);
        date::AppendFormat(text, value, "hh:mm:ss");
    }
    return text;
}

bool IsoDateRoundTrips(double value)
{
    if (!std::isfinite(value) || value <= -657435.0 || value >= 2958466.0)
        return false;
    const auto parsed = ParseIsoDate(FormatIsoDate(value));
    return parsed && *parsed == value;
}

} // namespace corvane
