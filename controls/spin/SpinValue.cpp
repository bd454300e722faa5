#include "SpinValue.h"

#include "controls/month/MonthRange.h"
#include "platform/date/Clock.h"

namespace corvane::spin
{

date::Date PresentValue(SpinKind kind)
{
    return kind == SpinKind::Date ? AssignedValue(kind, date::Today()) : date::Now();
}

date::Date AssignedValue(SpinKind kind, date::Date value)
{
    return kind == SpinKind::Date ? month::ClampToSupportedYears(value) : value;
}

} // namespace corvane::spin
