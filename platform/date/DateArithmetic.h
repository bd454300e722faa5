#pragma once

#include "DateValue.h"

namespace corvane::date
{

// Calendar arithmetic on date values. Units of a day or larger keep the time of day; adding months or
// years clamps the day to the last day of the target month (2000-01-31 plus one month is 2000-02-29).
enum class Unit {
    Year,
    Month,
    Week,
    Day,
    Hour,
    Minute,
    Second,
};

Date Add(Unit unit, long count, Date value);

// Whole-unit differences (later minus earlier): years compare year numbers, months compare
// year * 12 + month, days compare calendar days; the time of day plays no part in these three.
// Hours, minutes and seconds count whole units between the two moments (rounded to the second).
long Difference(Unit unit, Date earlier, Date later);

} // namespace corvane::date
