#pragma once

#include "SpinKind.h"
#include "platform/date/DateValue.h"

namespace corvane::spin
{

// The value a new editor starts with, and a loaded one whose saved set lacks its value: the present
// date at midnight, its year held to 1901..2030 as an assignment would hold it (date editor), or the
// present moment (time editor).
date::Date PresentValue(SpinKind kind);

// The value an assignment stores. The date editor holds the year to 1901..2030: a date after 2030
// becomes the same month and day of 2030, one before 1901 that of 1901, at midnight (29 February of
// a year without it carries into March); a date inside keeps its time of day. The time editor stores
// any value unchanged.
date::Date AssignedValue(SpinKind kind, date::Date value);

} // namespace corvane::spin
