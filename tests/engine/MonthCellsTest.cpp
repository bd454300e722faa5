#include "engine/MonthCells.h"

#include "engine/AgrConversion.h"
#include "engine/DateCaption.h"

#include "EngineTestSupport.h"
#include "ErrorOf.h"
#include <gtest/gtest.h>

#include "platform/date/DateValue.h"

using namespace corvane::ModAgrCAl;
namespace date = corvane::date;

namespace
{

struct CellCase {
    int year, month, day;
    DayCell expected;
};

TEST(MonthCells, GoldenCells)
{
    const CellCase cases[] = {
        {2002, 2, 11, {2001, "12", 30, 13, "", "三十"}},
        {2002, 2, 12, {2002, "1", 1, 1, "春节", "正月"}},
        {2002, 2, 14, {2002, "1", 3, 1, "情人节", "初三"}},
        {2009, 6, 23, {2009, "5R", 1, 6, "", "闰五"}},
        {2009, 6, 27, {2009, "5R", 5, 6, "", "初五"}},
        {1902, 3, 8, {1902, "1", 29, 1, "妇女节", "廿九"}},
        {1902, 3, 9, {1902, "1", 30, 1, "", "三十"}},
        {1902, 3, 10, {1902, "2", 1, 2, "", "二月"}},
        {2033, 12, 22, {2033, "11R", 1, 12, "", "闰冬"}}, // a leap 11th month
        {2034, 1, 20, {2033, "12", 1, 13, "", "腊月"}},
    };
    for (const auto &c : cases) {
        FillMonthCells(c.year, c.month, date::DaysInMonth(c.year, c.month));
        EXPECT_EQ(MonthCells()[std::size_t(c.day)], c.expected) << c.year << '-' << c.month << '-' << c.day;
    }
}

// Counting on from the first day gives the lunar dates converting every day from scratch gives, in every
// month (the texts of the cells are the golden cases' concern).
TEST(MonthCells, IncrementalFillEqualsConvertingEveryDay)
{
    for (int year = 1901; year <= 2030; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int days = date::DaysInMonth(year, month);
            FillMonthCells(year, month, days);
            for (int d = 1; d <= days; ++d) {
                const AgrDate agr = UniToAgrDate(std::int16_t(year), std::int16_t(month), std::int16_t(d));
                const DayCell &cell = MonthCells()[std::size_t(d)];
                ASSERT_EQ(cell.Year, agr.Year) << year << '-' << month << '-' << d;
                ASSERT_EQ(cell.Month, agr.Month) << year << '-' << month << '-' << d;
                ASSERT_EQ(cell.Day, agr.Day) << year << '-' << month << '-' << d;
                ASSERT_EQ(cell.MonthSlot, agr.MonthSlot) << year << '-' << month << '-' << d;
            }
        }
    }
}

TEST(MonthCells, CellsPastTheMonthKeepAnEarlierFill)
{
    FillMonthCells(2002, 7, 31);
    const DayCell july31 = MonthCells()[31];
    FillMonthCells(2002, 2, 28);
    EXPECT_EQ(MonthCells()[31], july31);
    EXPECT_EQ(ErrorOf([&] { FillMonthCells(1900, 1, 31); }), 9);
}

struct CaptionCase {
    int year, month, day, format;
    const char *expected;
};

TEST(DateCaption, AllFormats)
{
    const CaptionCase cases[] = {
        {2002, 7, 19, 0, "2002年07月19日 星期五"},
        {2002, 7, 19, 1, "2002年07月19日 农历: 壬午年 六月 初十日"},
        {2002, 7, 19, 2, "2002年07月19日 农历: 壬午年 六月 初十日 星期五"},
        {2002, 7, 19, 3, "2002年07月19日 农历: 六月 初十日"},
        {2002, 7, 19, 4, "2002年07月19日 农历: 六月 初十日 星期五"},
        {2002, 7, 19, 5, "2002年07月19日"},
        {2002, 7, 19, -1, "2002年07月19日"},
        {2009, 6, 23, 3, "2009年06月23日 农历: 闰五 初一日"},
        {2033, 12, 22, 1, "2033年12月22日 农历: 癸丑年 闰冬 初一日"},
        {2100, 12, 31, 4, "2100年12月31日 农历: 腊月 初一日 星期五"},
        {2002, 7, 21, 0, "2002年07月21日 星期日"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetDateCaption(date::FromYmd(c.year, c.month, c.day), c.format), c.expected) << c.format;
    EXPECT_EQ(ErrorOf([&] { GetDateCaption(date::FromYmd(2101, 1, 1), 0); }), 9);
}

} // namespace
