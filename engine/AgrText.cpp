#include "AgrText.h"

#include "engine/AgrDate.h"
#include "engine/CharTable.h"
#include "engine/Int16.h"
#include "platform/automation/AutomationError.h"

#include <chrono>

namespace corvane::ModAgrCAl
{

namespace
{

constexpr CharTable<10> kNumerals{"一二三四五六七八九十"};
constexpr CharTable<2> kTensOfDays{"十廿"};
constexpr CharTable<2> kWholeTens{"二三"};
constexpr CharTable<12> kMonthChars{"正二三四五六七八九十冬腊"};
constexpr CharTable<10> kStems{"甲乙丙丁戊己庚辛壬癸"};
constexpr CharTable<12> kBranches{"子丑寅卯辰巳午未申酉戌亥"};
constexpr CharTable<12> kZodiac{"鼠牛虎兔龙蛇马羊猴鸡狗猪"};

constexpr std::string_view kFirstTen = "初";
constexpr std::string_view kTen = "十";
constexpr std::string_view kLeap = "闰";
constexpr std::string_view kMonth = "月";
constexpr std::string_view kYear = "年";
constexpr std::string_view kDay = "日";

std::string Join(std::string_view a, std::string_view b)
{
    std::string out;
    out.reserve(a.size() + b.size() + 3);
    out.append(a).append(b);
    return out;
}

} // namespace

std::string GetAgrDayName(int day)
{
    if (day <= 10)
        return Join(kFirstTen, kNumerals[day]);
    if (day % 10 != 0)
        return Join(kTensOfDays[day / 10], kNumerals[day % 10]);
    return Join(kWholeTens[day / 10 - 1], kTen);
}

std::string GetAgrMonthName(std::string_view monthText, int leapMonth)
{
    const MonthNumber month = ParseMonthText(monthText);
    if (!month.leap)
        return Join(kMonthChars[month.number], kMonth);
    return Join(kLeap, kMonthChars[leapMonth != 0 ? leapMonth : month.number]);
}

std::string GetStemBranch(int stem, int branch)
{
    return Join(kStems[stem == 0 ? 10 : stem], kBranches[branch == 0 ? 12 : branch]);
}

std::string GetEraName(int number)
{
    return GetStemBranch(number % 10, number % 12);
}

std::string GetZodiacName(int branch)
{
    return std::string(kZodiac[branch]);
}

int YearBranch(int year)
{
    return Int16(long(year) + 8) % 12 + 1;
}

std::string GetYearZodiacName(int year)
{
    return GetZodiacName(YearBranch(year));
}

std::string GetAgrYearName(int year)
{
    const int y = Int16(year);
    return Join(GetStemBranch(Int16(y + 6) % 10 + 1, YearBranch(y)), kYear);
}

std::string GetMonthEraName(int year, std::string_view monthText)
{
    const int v = ParseMonthText(monthText).number;
    const int stem = Int16(long(v) + 2L * year + 14) % 10;
    const int branch = Int16(long(v) + 2) % 12;
    return Join(GetStemBranch(stem, branch), kMonth);
}

int GetDayEraNumber(date::Date value)
{
    using namespace std::chrono;
    constexpr sys_days k19000101{year{1900} / January / 1};
    const long k = long((date::DayOf(value) - k19000101).count());
    const long n = ((k + 11) % 60 + 60) % 60;
    return n == 0 ? 60 : int(n);
}

std::string GetDayEraName(date::Date value)
{
    return Join(GetEraName(GetDayEraNumber(value)), kDay);
}

} // namespace corvane::ModAgrCAl
