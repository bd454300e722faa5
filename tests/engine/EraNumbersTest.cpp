#include "engine/EraNumbers.h"

#include "engine/AgrText.h"
#include "engine/STermTable.h"
#include "platform/date/DateFormat.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace corvane::ModAgrCAl;
namespace date = corvane::date;

namespace
{

date::Date At(int y, int m, int d, int h = 0, int mi = 0)
{
    return date::FromYmd(y, m, d) + date::FromHms(h, mi, 0);
}

struct EraCase {
    date::Date day;
    date::Date time;
    EraNumbers expected;
};

TEST(EraNumbers, DayHourAndLunarYearMonth)
{
    const EraCase cases[] = {
        {At(2002, 7, 19), date::FromHms(10, 30, 0), {19, 44, 25, 54}}, // 壬午 丁未 戊子 丁巳
        {At(2002, 7, 19), date::FromHms(23, 15, 0), {19, 44, 26, 1}}, // 子 hour of the next day: 己丑 甲子
        {At(1949, 10, 1), date::FromHms(15, 0, 0), {26, 10, 1, 9}}, // 己丑年 癸酉月 甲子日 壬申时
    };
    for (const auto &c : cases) {
        const EraNumbers n = GetEraNumbers(c.day, c.time, kEraModeMonth);
        EXPECT_EQ(n.year, c.expected.year) << date::GeneralText(c.day + c.time);
        EXPECT_EQ(n.month, c.expected.month) << date::GeneralText(c.day + c.time);
        EXPECT_EQ(n.day, c.expected.day) << date::GeneralText(c.day + c.time);
        EXPECT_EQ(n.hour, c.expected.hour) << date::GeneralText(c.day + c.time);
    }
    const EraNumbers newYear2000 = GetEraNumbers(At(2000, 1, 1), date::FromHms(0, 10, 0), kEraModeMonth);
    EXPECT_EQ(newYear2000.day, 55); // 戊午
    EXPECT_EQ(newYear2000.hour, 49); // 壬子
    EXPECT_EQ(GetEraNumbers(At(1983, 3, 1), 0, kEraModeMonth).year, 60); // lunar 1983 is 癸亥
    EXPECT_EQ(GetEraNumbers(At(2002, 7, 19), 0, 7).month, 44); // any other mode counts as lunar
}

TEST(EraNumbers, TermModeTakesYearAndMonthFromTheSolarTerms)
{
    EXPECT_EQ(GetEraNumbers(At(2002, 1, 20), date::FromHms(12, 0, 0), kEraModeTerm).month, 38); // 辛丑
    EXPECT_EQ(GetEraNumbers(At(2002, 1, 20), date::FromHms(12, 0, 0), kEraModeTerm).year, 18); // 辛巳
}

struct BoundaryCase {
    int year, term;
    int yearBefore, monthBefore, yearAt, monthAt;
};

// One minute before and at the exact moment of a month's first term.
TEST(EraNumbers, TermModeBoundariesToTheMinute)
{
    const BoundaryCase cases[] = {
        {2002, 3, 18, 38, 19, 39}, // 立春: 辛巳 辛丑 -> 壬午 壬寅
        {2002, 5, 19, 39, 19, 40}, // 惊蛰: 壬寅 -> 癸卯
        {2002, 1, 18, 37, 18, 38}, // 小寒: 庚子 -> 辛丑, still 辛巳 year
        {2002, 23, 19, 48, 19, 49}, // 大雪: 辛亥 -> 壬子
    };
    for (const auto &c : cases) {
        const date::Date moment = GetsTermMoment(c.year, c.term);
        const date::Date day = std::trunc(moment);
        const date::Date time = moment - day;
        const EraNumbers before = GetEraNumbers(day, time - 1.0 / 1440, kEraModeTerm);
        const EraNumbers at = GetEraNumbers(day, time, kEraModeTerm);
        EXPECT_EQ(before.year, c.yearBefore) << c.term;
        EXPECT_EQ(before.month, c.monthBefore) << c.term;
        EXPECT_EQ(at.year, c.yearAt) << c.term;
        EXPECT_EQ(at.month, c.monthAt) << c.term;
    }
}

// Over 1901-2030 both conventions agree on day and hour, and the term-mode month advances by one
// each solar month.
TEST(EraNumbers, DayAndHourDoNotDependOnTheMode)
{
    for (date::Date d = At(1901, 1, 1); d <= At(2030, 12, 31); d += 7) {
        for (int h : {0, 11, 23}) {
            const EraNumbers a = GetEraNumbers(d, date::FromHms(h, 30, 0), kEraModeMonth);
            const EraNumbers b = GetEraNumbers(d, date::FromHms(h, 30, 0), kEraModeTerm);
            ASSERT_EQ(a.day, b.day);
            ASSERT_EQ(a.hour, b.hour);
            ASSERT_GE(b.month, 1);
            ASSERT_LE(b.month, 60);
        }
    }
}

} // namespace
