#pragma once

#include "DateValue.h"

#include <string>
#include <string_view>

namespace corvane::date
{

// The fixed patterns the system formats dates with.
inline constexpr std::string_view kChineseDatePattern = "YYYY年MM月DD日"; // 2002年07月19日
inline constexpr std::string_view kTimePattern = "hh:mm:ss"; // 20:26:00
// The one general date-time text used in messages and by the tools: 2002-01-05 20:26:00.
inline constexpr std::string_view kGeneralPattern = "YYYY-MM-DD hh:mm:ss";

// Formats a date value with a pattern. Tokens: YYYY (four-digit year), MM (month), DD (day),
// hh (hour, 00-23), mm (minute), ss (second), each zero-filled; every other byte is copied, so UTF-8
// text such as "年" passes through. The time is rounded to the second first (23:59:59.9999 is the
// next day's 00:00:00, never 24:00:00).
std::string Format(Date value, std::string_view pattern);
void AppendFormat(std::string &out, Date value, std::string_view pattern);

// Formats a whole number with a digit pattern: each '0' is a digit place, zero-filled from the left;
// other bytes are copied. Digits that do not fit go to the first place: 7 with "00" is "07",
// 2026 with "00时00分" is "20时26分", 12345 with "00时00分" is "123时45分".
std::string FormatNumber(long value, std::string_view pattern);
void AppendNumber(std::string &out, long value, std::string_view pattern);

// The general date-time text of a date value (kGeneralPattern).
std::string GeneralText(Date value);

} // namespace corvane::date
