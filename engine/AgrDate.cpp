#include "AgrDate.h"

#include <charconv>

namespace corvane::ModAgrCAl
{

MonthNumber ParseMonthText(std::string_view text)
{
    MonthNumber result{0, false};
    bool started = false;
    bool stopped = false;
    for (const char c : text) {
        if (c == 'R') {
            result.leap = true;
            continue;
        }
        if (stopped)
            continue;
        if (c >= '0' && c <= '9') {
            started = true;
            if (result.number < 100000)
                result.number = result.number * 10 + (c - '0');
        } else if (!(c == ' ' && !started)) {
            stopped = true;
        }
    }
    return result;
}

void AssignMonthText(std::string &text, int number, bool leap)
{
    // Month numbers are one or two digits; the text always fits the string's inline buffer.
    char buffer[16];
    char *end = buffer;
    if (number >= 0 && number < 100) {
        if (number >= 10)
            *end++ = char('0' + number / 10);
        *end++ = char('0' + number % 10);
    } else {
        end = std::to_chars(buffer, buffer + sizeof buffer - 1, number).ptr;
    }
    if (leap)
        *end++ = 'R';
    text.assign(buffer, end);
}

std::string MakeMonthText(int number, bool leap)
{
    std::string text;
    AssignMonthText(text, number, leap);
    return text;
}

} // namespace corvane::ModAgrCAl
