#include "DateFormat.h"

#include <algorithm>
#include <charconv>

namespace corvane::date
{

namespace
{

void AppendPadded(std::string &out, long value, int width)
{
    char digits[24];
    const bool negative = value < 0;
    const auto result = std::to_chars(digits, digits + sizeof digits, negative ? -value : value);
    const int length = int(result.ptr - digits);
    if (negative)
        out.push_back('-');
    out.append(std::size_t(std::max(0, width - length)), '0');
    out.append(digits, std::size_t(length));
}

} // namespace

void AppendFormat(std::string &out, Date value, std::string_view pattern)
{
    const DateParts parts = Split(value);
    const std::chrono::year_month_day ymd{parts.day};
    const int fields[] = {int(ymd.year()),
                          int(unsigned(ymd.month())),
                          int(unsigned(ymd.day())),
                          parts.seconds / 3600,
                          parts.seconds / 60 % 60,
                          parts.seconds % 60};
    struct Token {
        std::string_view text;
        int field;
    };
    static constexpr Token kTokens[] = {{"YYYY", 0}, {"MM", 1}, {"DD", 2}, {"hh", 3}, {"mm", 4}, {"ss", 5}};

    std::size_t i = 0;
    while (i < pattern.size()) {
        const Token *match = nullptr;
        for (const Token &token : kTokens) {
            if (pattern.substr(i, token.text.size()) == token.text) {
                match = &token;
                break;
            }
        }
        if (match) {
            AppendPadded(out, fields[match->field], int(match->text.size()));
            i += match->text.size();
        } else {
            out.push_back(pattern[i++]);
        }
    }
}

std::string Format(Date value, std::string_view pattern)
{
    std::string out;
    out.reserve(pattern.size() + 8);
    AppendFormat(out, value, pattern);
    return out;
}

void AppendNumber(std::string &out, long value, std::string_view pattern)
{
    char digits[24];
    const bool negative = value < 0;
    const auto result = std::to_chars(digits, digits + sizeof digits, negative ? -value : value);
    const int length = int(result.ptr - digits);
    const int places = int(std::count(pattern.begin(), pattern.end(), '0'));

    if (negative)
        out.push_back('-');
    // The first place takes every digit that does not fit; later places take one each.
    int next = 0; // index into digits, may run ahead of zero-fill
    int fill = places - length; // leading zeros still owed
    bool first = true;
    for (const char c : pattern) {
        if (c != '0') {
            out.push_back(c);
            continue;
        }
        if (first && fill < 0) {
            out.append(digits, std::size_t(-fill + 1));
            next = -fill + 1;
        } else if (fill > 0) {
            out.push_back('0');
            --fill;
        } else {
            out.push_back(digits[next++]);
        }
        first = false;
    }
}

std::string FormatNumber(long value, std::string_view pattern)
{
    std::string out;
    AppendNumber(out, value, pattern);
    return out;
}

std::string GeneralText(Date value)
{
    return Format(value, kGeneralPattern);
}

} // namespace corvane::date
