#include "engine/EraNumbers.h"

#include "engine/AgrText.h"
#include "platform/date/DateFormat.h"

#include <gtest/gtest.h>

#include <string>

using namespace corvane::ModAgrCAl;
namespace date = corvane::date;

namespace
{

date::Date At(int y, int m, int d, int h = 0, int mi = 0)
{
    return date::FromYmd(y, m, d) + date::FromHms(h, mi, 0);
}

TEST(EraNumbers, DayHourAndLunarYearMonth)
{
    struct Case {
        date::Date day, time;
        int mode;
        EraNumbers expected; // 0: not checked
    };
    const Case cases[] = {
        {At(2002, 7, 19), date::FromHms(10, 30, 0), kEraModeMonth, {19, 44, 25, 54}}, // 壬午 丁未 戊子 丁巳
        {At(2002, 7, 19), date::FromHms(23, 15, 0), kEraModeMonth, {19, 44, 26, 1}}, // 子 hour of the next day
        {At(1949, 10, 1), date::FromHms(15, 0, 0), kEraModeMonth, {26, 10, 1, 9}}, // 己丑 癸酉 甲子 壬申
        {At(2000, 1, 1), date::FromHms(0, 10, 0), kEraModeMonth, {0, 0, 55, 49}}, // 戊午日 壬子时
        {At(1983, 3, 1), 0, kEraModeMonth, {60, 0, 0, 0}}, // lunar 1983 is 癸亥
        {At(2002, 7, 19), 0, 7, {0, 44, 0, 0}}, // any other mode counts as lunar
        {At(2002, 1, 20), date::FromHms(12, 0, 0), kEraModeTerm, {18, 38, 25, 55}}, // 辛巳 辛丑 by the terms
    };
    for (const Case &c : cases) {
        const EraNumbers n = GetEraNumbers(c.day, c.time, c.mode);
        const std::string moment = date::GeneralText(c.day + c.time);
        for (const auto field : {&EraNumbers::year, &EraNumbers::month, &EraNumbers::day, &EraNumbers::hour})
            if (c.expected.*field != 0) {
                EXPECT_EQ(n.*field, c.expected.*field) << moment;
            }
    }
}

// Year and month names of moments on either side of the changes of month and year.
TEST(EraNumbers, YearAndMonthChangeAtTheirMoments)
{
    struct Case {
        date::Date day;
        int hour, minute;
        int mode;
        const char *year;
        const char *month;
    };
    const Case cases[] = {
        // By the terms the month changes at its first term, to the minute: 小寒 2002-01-05 20:26, 立春
        // 2002-02-04 08:08 (which also begins the year).
        {At(2002, 1, 5), 20, 25, kEraModeTerm, "辛巳", "庚子"},
        {At(2002, 1, 5), 20, 26, kEraModeTerm, "辛巳", "辛丑"},
        {At(2002, 2, 4), 8, 7, kEraModeTerm, "辛巳", "辛丑"},
        {At(2002, 2, 4), 8, 8, kEraModeTerm, "壬午", "壬寅"},
        // Terms just after midnight, where the mean-year formula names the day before: the month (and at
        // 立春 the year) changes at the true moment, not a day early.
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
        // By the lunar calendar year and month change at lunar New Year, whether it comes before 立春
        // (2001: 24 January) or after it (2002: 12 February); by the solar terms they do not.
        {At(2001, 1, 23), 12, 0, kEraModeMonth, "庚辰", "己丑"},
        {At(2001, 1, 24), 12, 0, kEraModeMonth, "辛巳", "庚寅"},
        {At(2001, 1, 24), 12, 0, kEraModeTerm, "庚辰", "己丑"},
        {At(2002, 2, 11), 12, 0, kEraModeMonth, "辛巳", "辛丑"},
        {At(2002, 2, 11), 12, 0, kEraModeTerm, "壬午", "壬寅"},
        {At(2002, 2, 12), 12, 0, kEraModeMonth, "壬午", "壬寅"},
        {At(2001, 5, 23), 0, 0, kEraModeMonth, "辛巳", "癸巳"}, // leap 4th month: the 4th month's
    };
    for (const Case &c : cases) {
        const EraNumbers n = GetEraNumbers(c.day, date::FromHms(c.hour, c.minute, 0), c.mode);
        const std::string moment = date::Format(c.day, "YYYY-MM-DD ") + std::to_string(c.hour) + ":"
            + std::to_string(c.minute) + (c.mode == kEraModeTerm ? " term" : " month");
        EXPECT_EQ(GetEraName(n.year), c.year) << moment;
        EXPECT_EQ(GetEraName(n.month), c.month) << moment;
    }
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

// Over 1901-2030 both conventions agree on day and hour, and the term-mode month is a sexagenary
// number.
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
