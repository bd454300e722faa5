#pragma once

#include "SpinKind.h"
#include "platform/date/DateArithmetic.h"

namespace corvane::spin
{

// The field a spin step changes and where the caret goes afterwards.
struct FieldChoice {
    date::Unit unit;
    int caret;
    friend constexpr bool operator==(const FieldChoice &, const FieldChoice &) = default;
};

// The field at the caret (the selection start, in characters from the start of the text):
//   date "2002年07月19日"  0..4 year, 5..7 month, 8..10 day; at the end (11) year, and the caret goes
//                          back to 1;
//   time "14:05:09"        0..2 hours, 3..5 minutes, 6..8 seconds; the caret stays.
// A caret before the start counts as 0.
FieldChoice FieldAt(SpinKind kind, int caret);

} // namespace corvane::spin
