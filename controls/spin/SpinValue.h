#pragma once

#include "SpinKind.h"
#include "engine/PublishedRange.h"
#include "platform/date/DateValue.h"

namespace corvane::spin
{

// The value a new editor starts with, and a loaded one whose saved set lacks its value: the present
// date at midnight, its year held to `years` as an assignment would hold it (date editor), or the
// present moment (time editor).
date::Date PresentValue(SpinKind kind, date::YearRange years = ModAgrCAl::kPublishedYears);

// The value an assignment stores. The date editor holds the year to `years` (1901..2030 for the
// automation surface): a date after the last year becomes the same month and day of that year, one
// before the first that of the first, at midnight (29 February of a year without it carries into
// March); a date inside keeps its time of day. The time editor stores any value unchanged.
date::Date AssignedValue(SpinKind kind, date::Date value, date::YearRange years = ModAgrCAl::kPublishedYears);

} // namespace corvane::spin
