#include "SpinSteps.h"

namespace corvane::spin
{

date::Date StepDate(date::Date value, date::Unit unit, int step, date::YearRange years)
{
    const date::Date first = date::SerialOf(years.first, 1, 1);
    const date::Date last = date::SerialOf(years.last, 12, 31);
    date::Date next = date::Add(unit, step, value);
    if (date::Difference(unit, last, next) > 0)
        next = first;
    if (date::Difference(unit, first, next) < 0)
        next = last;
    return next;
}

std::optional<date::Date> StepTime(date::Date value, date::Unit unit, int step)
{
    const date::Date next = date::Add(unit, step, value);
    if (!date::IsValidDate(next))
        return std::nullopt;
    return next;
}

std::optional<date::Date> StepValue(SpinKind kind, date::Date value, date::Unit unit, int step, date::YearRange years)
{
    if (kind == SpinKind::Date)
        return StepDate(value, unit, step, years);
    return StepTime(value, unit, step);
}

} // namespace corvane::spin
