#include "MonthRange.h"

namespace corvane::month
{

bool InSupportedYears(date::Date value)
{
    const int year = date::Year(value);
    return year >= kFirstYear && year <= kLastYear;
}

date::Date ClampToSupportedYears(date::Date value)
{
    if (InSupportedYears(value))
        return value;
    const date::Ymd ymd = date::YmdOf(value);
    return date::FromYmd(ymd.year > kLastYear ? kLastYear : kFirstYear, ymd.month, ymd.day);
}

} // namespace corvane::month
