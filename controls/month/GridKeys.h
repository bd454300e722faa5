#pragma once

#include "platform/date/DateValue.h"

namespace corvane::month
{

// The keyboard map of the day grid. Key codes and the shift state (1 Shift, 2 Ctrl, 4 Alt) as the
// KeyDown event carries them.
//
//   Right / Left     any shift state    one day later / earlier
//   Down / Up        any shift state    one week later / earlier
//   Page Down / Up   none               one month later / earlier
//   Page Down / Up   Shift alone        one year later / earlier
//   Home             any shift state    today, without time of day
//   F1               any shift state    the help box, no move
//   anything else                       no move
//
// Steps keep the time of day; a month or year step keeps the day when the target month has it and
// takes the month's last day otherwise (31 January + 1 month = 28 February). Whether the target lies
// in the supported years is for the caller to decide.
enum class GridKeyAction {
    None,
    Move,
    Help,
};

struct GridKeyResult {
    GridKeyAction action;
    date::Date target; // for Move
};

GridKeyResult GridKeyTarget(int keyCode, int shift, date::Date current, date::Date today);

} // namespace corvane::month
