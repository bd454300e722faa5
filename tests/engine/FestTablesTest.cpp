#include "engine/FestTables.h"

#include "engine/AgrConversion.h"

#include <gtest/gtest.h>

using namespace corvane::ModAgrCAl;
using corvane::date::FromYmd;

namespace
{

// The festival of a Gregorian day, looked up with the day's own lunar date.
std::string_view FestOf(int y, int m, int d)
{
    const AgrDate agr = UniToAgrDate(std::int16_t(y), std::int16_t(m), std::int16_t(d));
    return GetFestName(y, m, d, agr.Month, agr.Day);
}

struct FestCase {
    int y, m, d;
    const char *expected;
};

TEST(FestTables, FirstMatchingTableWins)
{
    const FestCase cases[] = {
        {2010, 2, 14, "情人节"}, // also lunar New Year's Day: the Gregorian table comes first
        {2001, 10, 1, "国庆节"}, // also lunar 8-15
        {2002, 5, 12, "护士节"}, // also the second Sunday of May
        {2002, 2, 12, "春节"},
        {2002, 9, 21, "中秋节"},
        {2009, 5, 28, "端午节"},
        {2009, 6, 27, ""}, // lunar 5R-5: a leap month carries no lunar festival
        {2002, 6, 16, "父亲节"},
        {2002, 11, 28, "感恩节"},
        {2003, 5, 11, "母亲节"},
        {2002, 12, 25, "圣诞节"},
        {2002, 7, 19, ""},
        {2002, 2, 11, ""}, // no entry for New Year's Eve
    };
    for (const auto &c : cases)
        EXPECT_EQ(FestOf(c.y, c.m, c.d), c.expected) << c.y << '-' << c.m << '-' << c.d;
}

TEST(FestTables, NthWeekdayOfAMonth)
{
    EXPECT_EQ(GetNthWeekday(2002, 5, 2, 1), FromYmd(2002, 5, 12));
    EXPECT_EQ(GetNthWeekday(2002, 6, 3, 1), FromYmd(2002, 6, 16));
    EXPECT_EQ(GetNthWeekday(2002, 11, 4, 5), FromYmd(2002, 11, 28));
    EXPECT_EQ(GetNthWeekday(2002, 9, 1, 1), FromYmd(2002, 9, 1)); // the 1st itself is a Sunday
    EXPECT_EQ(GetNthWeekday(2002, 9, 1, 7), FromYmd(2002, 9, 7));
}

// Every weekday-rule festival of 1901-2030 falls on the right weekday of the right week.
TEST(FestTables, WeekdayRuleFestivalsOverTheWholeRange)
{
    int found = 0;
    for (int y = 1901; y <= 2030; ++y) {
        for (int d = 1; d <= 31; ++d) {
            const bool mothersDay = FestOf(y, 5, d) == "母亲节";
            const int weekday = corvane::date::Weekday(FromYmd(y, 5, d));
            EXPECT_EQ(mothersDay, weekday == 1 && d > 7 && d <= 14 && d != 12) << y << "-05-" << d;
            found += mothersDay;
        }
    }
    EXPECT_GT(found, 100); // 12 May, the nurses' day, hides it in the other years
}

} // namespace
