#include "FestTables.h"

#include "engine/AgrDate.h"
#include "engine/EngineState.h"

#include <array>

namespace corvane::ModAgrCAl
{

namespace
{

// Gregorian festivals, "MMDD,name".
constexpr std::array<std::string_view, 15> kUniFestTable = {"0101,元旦",
                                                            "0214,情人节",
                                                            "0308,妇女节",
                                                            "0312,植树节",
                                                            "0401,愚人节",
                                                            "0501,劳动节",
                                                            "0504,青年节",
                                                            "0512,护士节",
                                                            "0601,儿童节",
                                                            "0701,建党节",
                                                            "0801,建军节",
                                                            "0910,教师节",
                                                            "1001,国庆节",
                                                            "1109,消防日",
                                                            "1225,圣诞节"};

// Lunar festivals, "MMDD,name" with the lunar month and day.
constexpr std::array<std::string_view, 6> kAgrFestTable =
    {"0101,春节", "0115,元宵节", "0505,端午节", "0707,女儿节", "0815,中秋节", "0909,重阳节"};

// Weekday-rule festivals, "name,MM,n,weekday" (note: the name comes first here).
constexpr std::array<std::string_view, 3> kWeekFestTable = {"母亲节,05,2,1", "父亲节,06,3,1", "感恩节,11,4,5"};

// The entries read once at compile time, so that a lookup compares numbers instead of splitting text.
struct DateFest {
    int key; // month * 100 + day
    std::string_view name;
};

struct WeekFest {
    std::string_view name;
    int month, n, weekday;
};

constexpr int Decimal(std::string_view text)
{
    int value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value;
}

template<std::size_t N>
constexpr std::array<DateFest, N> ParseDateFests(const std::array<std::string_view, N> &entries)
{
    std::array<DateFest, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto comma = entries[i].find(',');
        out[i] = {Decimal(entries[i].substr(0, comma)), entries[i].substr(comma + 1)};
    }
    return out;
}

constexpr std::array<WeekFest, 3> ParseWeekFests()
{
    std::array<WeekFest, 3> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::string_view entry = kWeekFestTable[i];
        std::string_view fields[4];
        for (std::string_view &field : fields) {
            const auto comma = entry.find(',');
            field = entry.substr(0, comma);
            entry = comma == std::string_view::npos ? std::string_view{} : entry.substr(comma + 1);
        }
        out[i] = {fields[0], Decimal(fields[1]), Decimal(fields[2]), Decimal(fields[3])};
    }
    return out;
}

constexpr auto kUniFests = ParseDateFests(kUniFestTable);
constexpr auto kAgrFests = ParseDateFests(kAgrFestTable);
constexpr auto kWeekFests = ParseWeekFests();

// The n-th weekday of a month with n <= 4 always lies in that month, so a weekday rule can only match
// days of its own month.
static_assert([] {
    for (const WeekFest &fest : kWeekFests)
        if (fest.n < 1 || fest.n > 4 || fest.month < 1 || fest.month > 12)
            return false;
    return true;
}());

} // namespace

std::string_view GetFestName(int year, int month, int day, std::string_view agrMonthText, int agrDay)
{
    const int uniKey = month * 100 + day;
    for (const DateFest &fest : kUniFests)
        if (fest.key == uniKey)
            return fest.name;

    const MonthNumber agrMonth = ParseMonthText(agrMonthText);
    if (!agrMonth.leap) {
        const int agrKey = agrMonth.number * 100 + agrDay;
        for (const DateFest &fest : kAgrFests)
            if (fest.key == agrKey)
                return fest.name;
    }

    for (const WeekFest &fest : kWeekFests)
        if (fest.month == month
            && GetNthWeekday(year, fest.month, fest.n, fest.weekday) == date::FromYmd(year, month, day))
            return fest.name;
    return {};
}

date::Date GetNthWeekday(int year, int month, int n, int weekday)
{
    const date::Date first = date::FromYmd(year, month, 1);
    const int f = date::Weekday(first);
    const int firstMatch = ((7 - f + weekday) % 7 + 7) % 7;
    return first + firstMatch + 7.0 * (n - 1);
}

void LoadFestTables()
{
    ThisThreadEngine().festTablesLoaded = true;
}

bool AreFestTablesLoaded()
{
    return ThisThreadEngine().festTablesLoaded;
}

} // namespace corvane::ModAgrCAl
