#include "engine/EraNumbers.h"

#include "engine/AgrText.h"
#include "engine/STermTable.h"
#include "platform/date/DateFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>

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

struct NamedEraCase {
    date::Date day;
    int hour, minute;
    int mode;
    const char *year;
    const char *month;
};

void ExpectYearAndMonth(std::span<const NamedEraCase> cases)
{
    for (const NamedEraCase &c : cases) {
        const EraNumbers n = GetEraNumbers(c.day, date::FromHms(c.hour, c.minute, 0), c.mode);
        const std::string moment = date::Format(c.day, "YYYY-MM-DD ") + std::to_string(c.hour) + ":"
            + std::to_string(c.minute) + (c.mode == kEraModeTerm ? " term" : " month");
        EXPECT_EQ(GetEraName(n.year), c.year) << moment;
        EXPECT_EQ(GetEraName(n.month), c.month) << moment;
    }
}

// Terms that come just after midnight, where the mean-year formula names the day before: the month
// (and at 立春 the year) changes at the true moment, not a day early.
TEST(EraNumbers, TermModeChangesAtTheTrueMomentOfTermsNearMidnight)
{
    const NamedEraCase cases[] = {
        {At(2009, 2, 3), 12, 0, kEraModeTerm, "戊子", "乙丑"},
        {At(2009, 2, 4), 0, 49, kEraModeTerm, "戊子", "乙丑"},
        {At(2009, 2, 4), 0, 50, kEraModeTerm, "己丑", "丙寅"}, // 立春 2009-02-04 00:50
        {At(1943, 2, 4), 12, 0, kEraModeTerm, "壬午", "癸丑"},
        {At(1943, 2, 5), 0, 40, kEraModeTerm, "癸未", "甲寅"},
        {At(1976, 2, 4), 12, 0, kEraModeTerm, "乙卯", "己丑"},
        {At(1976, 2, 5), 0, 39, kEraModeTerm, "丙辰", "庚寅"},
        {At(1980, 2, 4), 12, 0, kEraModeTerm, "己未", "丁丑"},
        {At(1980, 2, 5), 0, 9, kEraModeTerm, "庚申", "戊寅"},
        {At(2013, 2, 3), 12, 0, kEraModeTerm, "壬辰", "癸丑"},
        {At(2013, 2, 4), 0, 13, kEraModeTerm, "癸巳", "甲寅"},
        {At(2012, 12, 6), 12, 0, kEraModeTerm, "壬辰", "辛亥"},
        {At(2012, 12, 7), 1, 19, kEraModeTerm, "壬辰", "壬子"}, // 大雪 2012-12-07 01:19
    };
    ExpectYearAndMonth(cases);
}

// By the lunar calendar year and month change at lunar New Year, whether it comes before 立春 (2001:
// 24 January) or after it (2002: 12 February); by the solar terms they do not.
TEST(EraNumbers, LunarNewYearBeforeAndAfterTheSpringTerm)
{
    const NamedEraCase cases[] = {
        {At(2001, 1, 23), 12, 0, kEraModeMonth, "庚辰", "己丑"},
        {At(2001, 1, 24), 12, 0, kEraModeMonth, "辛巳", "庚寅"},
        {At(2001, 1, 24), 12, 0, kEraModeTerm, "庚辰", "己丑"},
        {At(2002, 2, 11), 12, 0, kEraModeMonth, "辛巳", "辛丑"},
        {At(2002, 2, 11), 12, 0, kEraModeTerm, "壬午", "壬寅"},
        {At(2002, 2, 12), 12, 0, kEraModeMonth, "壬午", "壬寅"},
        {At(2001, 5, 23), 0, 0, kEraModeMonth, "辛巳", "癸巳"}, // leap 4th month: the 4th month's
    };
    ExpectYearAndMonth(cases);
}

// The moment is the calendar day of the date at the time given: a time of day the date carries is
// not added again (04:30 + 04:30 would pass 立春 at 08:08).
TEST(EraNumbers, ATimeOfDayInTheDateIsNotCountedTwice)
{
    const date::Date feb4At0430 = At(2002, 2, 4, 4, 30);
    const EraNumbers n = GetEraNumbers(feb4At0430, feb4At0430, kEraModeTerm);
    EXPECT_EQ(GetEraName(n.year), "辛巳");
    EXPECT_EQ(GetEraName(n.month), "辛丑");
    EXPECT_EQ(GetEraName(GetEraNumbers(At(2002, 2, 4, 20, 0), date::FromHms(8, 8, 0), kEraModeTerm).month), "壬寅");
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
