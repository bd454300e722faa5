#include "DateArithmetic.h"

namespace corvane::date
{

using namespace std::chrono;

namespace
{

Date AddMonths(long count, Date value)
{
    const DateParts parts = Split(value);
    const year_month_day ymd{parts.day};
    const long monthIndex = long(int(ymd.year())) * 12 + long(unsigned(ymd.month())) - 1 + count;
    const long yearNumber = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
    const int monthNumber = int(monthIndex - yearNumber * 12) + 1;
    const int lastDay = DaysInMonth(int(yearNumber), monthNumber);
    const int dayNumber = std::min(int(unsigned(ymd.day())), lastDay);
    return Join(DaysFromYmd(int(yearNumber), monthNumber, dayNumber), parts.seconds);
}

Date AddSeconds(long long count, Date value)
{
    const DateParts parts = Split(value);
    const long long total = (parts.day - kEpoch).count() * 86400LL + parts.seconds + count;
    const long long dayCount = total >= 0 ? total / 86400 : -((86399 - total) / 86400);
    return Join(kEpoch + days{dayCount}, double(total - dayCount * 86400));
}

long long Seconds(Date value)
{
    const DateParts parts = Split(value);
    return (parts.day - kEpoch).count() * 86400LL + parts.seconds;
}

} // namespace

Date Add(Unit unit, long count, Date value)
{
    switch (unit) {
    case Unit::Year:
        return AddMonths(count * 12, value);
    case Unit::Month:
        return AddMonths(count, value);
    case Unit::Week:
        return AddSeconds(count * 7LL * 86400, value);
    case Unit::Day:
        return AddSeconds(count * 86400LL, value);
    case Unit::Hour:
        return AddSeconds(count * 3600LL, value);
    case Unit::Minute:
        return AddSeconds(count * 60LL, value);
    case Unit::Second:
        return AddSeconds(count, value);
    }
    return value;
}

long Difference(Unit unit, Date earlier, Date later)
{
    const Ymd a = YmdOf(earlier);
    const Ymd b = YmdOf(later);
    switch (unit) {
    case Unit::Year:
        return b.year - a.year;
    case Unit::Month:
        return (b.year * 12L + b.month) - (a.year * 12L + a.month);
    case Unit::Week:
        return (DayOf(later) - DayOf(earlier)).count() / 7;
    case Unit::Day:
        return (DayOf(later) - DayOf(earlier)).count();
    case Unit::Hour:
        return long((Seconds(later) - Seconds(earlier)) / 3600);
    case Unit::Minute:
        return long((Seconds(later) - Seconds(earlier)) / 60);
    case Unit::Second:
        return long(Seconds(later) - Seconds(earlier));
    }
    return 0;
}

} // namespace corvane::date
