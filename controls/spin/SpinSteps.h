#pragma once

#include "SpinKind.h"
#include "engine/PublishedRange.h"
#include "platform/date/DateArithmetic.h"

#include <optional>

namespace corvane::spin
{

// One step of the date editor, which steps through the dates of `years` (the published ones, 1901..2030, unless its
// owner chose others): `step` (+1 up, -1 down) years, months or days added with calendar semantics (31 January plus
// a month is the last day of February; the time of day is kept). A result after 31 December of the last year,
// counted in whole units of the field, wraps to 1 January of the first, one before 1 January of the first to
// 31 December of the last: the whole date, so stepping the year up from any day of 2030 gives 1 January 1901.
date::Date StepDate(date::Date value, date::Unit unit, int step, date::YearRange years = ModAgrCAl::kPublishedYears);

// One step of the time editor: `step` hours, minutes or seconds added to the moment, so that crossing
// midnight moves the day. There is no wrap; a step that would leave the date type's range is not
// taken (nullopt).
std::optional<date::Date> StepTime(date::Date value, date::Unit unit, int step);

// The step of the given editor; the date editor always takes it.
std::optional<date::Date> StepValue(SpinKind kind,
                                    date::Date value,
                                    date::Unit unit,
                                    int step,
                                    date::YearRange years = ModAgrCAl::kPublishedYears);

} // namespace corvane::spin
