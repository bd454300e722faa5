#include "CorvcalRange.h"

#include "engine/AgrConversion.h"
#include "platform/date/DateValue.h"

#include <cstdio>
#include <tuple>

namespace corvane::corvcal
{

namespace
{

// The first month whose 1st is convertible.
GregorianDay FirstWholeMonth()
{
    const GregorianDay first = FirstDay();
    if (first.day == 1)
        return first;
    return first.month == 12 ? GregorianDay{first.year + 1, 1, 1} : GregorianDay{first.year, first.month + 1, 1};
}

} // namespace

bool operator<(const GregorianDay &a, const GregorianDay &b)
{
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

std::string DayText(const GregorianDay &day)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", day.year, day.month, day.day);
    return buffer;
}

std::string MonthText(int year, int month)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d", year, month);
    return buffer;
}

GregorianDay FirstDay()
{
    const date::Ymd day = date::YmdOf(ModAgrCAl::AgrToUniDate(std::int16_t(kFirstYear), "1", 1));
    return {day.year, day.month, day.day};
}

GregorianDay LastDay()
{
    return {kLastYear, 12, 31};
}

bool IsConvertible(const GregorianDay &day)
{
    return !(day < FirstDay()) && !(LastDay() < day);
}

bool IsConvertibleMonth(int year, int month)
{
    const date::Ymd first = date::YmdOf(date::FromYmd(year, month, 1));
    return IsConvertible({first.year, first.month, 1})
        && IsConvertible({first.year, first.month, date::DaysInMonth(first.year, first.month)});
}

int FirstWholeYear()
{
    const GregorianDay first = FirstWholeMonth();
    return first.month == 1 ? first.year : first.year + 1;
}

int LastWholeYear()
{
    return kLastYear;
}

std::string YearRangeText()
{
    return std::to_string(kFirstYear) + "-" + std::to_string(kLastYear);
}

std::string DayRangeText()
{
    return DayText(FirstDay()) + " to " + DayText(LastDay());
}

std::string MonthRangeText()
{
    const GregorianDay first = FirstWholeMonth();
    return MonthText(first.year, first.month) + " to " + MonthText(kLastYear, 12);
}

std::string WholeYearRangeText()
{
    return std::to_string(FirstWholeYear()) + "-" + std::to_string(LastWholeYear());
}

std::string WithRanges(std::string_view text)
{
    const std::pair<std::string_view, std::string> placeholders[] = {
        {"{years}", YearRangeText()},
        {"{days}", DayRangeText()},
        {"{months}", MonthRangeText()},
        {"{whole-years}", WholeYearRangeText()},
    };
    std::string result;
    while (!text.empty()) {
        bool replaced = false;
        for (const auto &[name, value] : placeholders) {
            if (text.starts_with(name)) {
                result += value;
                text.remove_prefix(name.size());
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            result += text.front();
            text.remove_prefix(1);
        }
    }
    return result;
}

} // namespace corvane::corvcal
