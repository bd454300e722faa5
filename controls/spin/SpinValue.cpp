#include "SpinValue.h"

#include "platform/date/Clock.h"

namespace corvane::spin
{

date::Date PresentValue(SpinKind kind, date::YearRange years)
{
    return kind == SpinKind::Date ? AssignedValue(kind, date::Today(), years) : date::Now();
}

date::Date AssignedValue(SpinKind kind, date::Date value, date::YearRange years)
{
    return kind == SpinKind::Date ? date::ClampToYears(value, years) : value;
}

} // namespace corvane::spin
