#include "SpinSteps.h"

namespace corvane::spin
{

date::Date StepDate(date::Date value, date::Unit unit, int step)
{
    date::Date next = date::Add(unit, step, value);
    if (date::Difference(unit, ModAgrCAl::kLastPublishedDate, next) > 0)
        next = ModAgrCAl::kFirstPublishedDate;
    if (date::Difference(unit, ModAgrCAl::kFirstPublishedDate, next) < 0)
        next = ModAgrCAl::kLastPublishedDate;
    return next;
}

std::optional<date::Date> StepTime(date::Date value, date::Unit unit, int step)
{
    const date::Date next = date::Add(unit, step, value);
    if (!date::IsValidDate(next))
        return std::nullopt;
    return next;
}

std::optional<date::Date> StepValue(SpinKind kind, date::Date value, date::Unit unit, int step)
{
    if (kind == SpinKind::Date)
        return StepDate(value, unit, step);
    return StepTime(value, unit, step);
}

} // namespace corvane::spin
