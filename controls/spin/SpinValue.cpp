#include "SpinValue.h"

#include "engine/PublishedRange.h"
#include "platform/date/Clock.h"

namespace corvane::spin
{

date::Date PresentValue(SpinKind kind)
{
    return kind == SpinKind::Date ? AssignedValue(kind, date::Today()) : date::Now();
}

date::Date AssignedValue(SpinKind kind, date::Date value)
{
    return kind == SpinKind::Date ? date::ClampToYears(value, ModAgrCAl::kPublishedYears) : value;
}

} // namespace corvane::spin
