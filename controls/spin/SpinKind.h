#pragma once

#include "platform/date/DateFormat.h"

#include <string_view>

namespace corvane::spin
{

// The two spin editors share everything but what their text shows: a date ("YYYY年MM月DD日", 11
// characters) or a time of day ("hh:mm:ss", 8 characters).
enum class SpinKind {
    Date,
    Time,
};

constexpr std::string_view TextPattern(SpinKind kind)
{
    return kind == SpinKind::Date ? date::kChineseDatePattern : date::kTimePattern;
}

// The value property, which is also its saved key.

} // namespace corvane::spin
