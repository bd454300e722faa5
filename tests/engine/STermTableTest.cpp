#include "engine/STermTable.h"

#include "EngineTestSupport.h"
#include "ErrorOf.h"
#include <gtest/gtest.h>

#include "platform/date/DateFormat.h"

using namespace corvane::ModAgrCAl;
namespace date = corvane::date;

namespace
{

struct TermTextCase {
    int year, term;
    const char *expected;
};

TEST(STermTable, TermTexts)
{
    const TermTextCase cases[] = {
        {1900, 1, "小寒：6日03时08分"},
        {2002, 1, "小寒：5日20时26分"}, // formula moment 2002-01-05 18:59, table time 20:26
        {2002, 3, "立春：4日08时08分"},
        {2002, 24, "冬至：22日08时55分"},
        {1900, 13, "小暑：7日00时01分"}, // table value "1"; formula moment 7 July 23:05
        {1900, 16, "处暑：23日00时03分"}, // table value "3"
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetsTermText(c.year, c.term), c.expected) << c.year << " " << c.term;
}

TEST(STermTable, TermNames)
{
    const char *const names[] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                 "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                 "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
    for (int t = 1; t <= 24; ++t)
        EXPECT_EQ(GetsTermName(t), names[t - 1]);
}

// The formula moment lies 20 seconds before midnight and rounds to 00:00 of the next day.
TEST(STermTable, FormulaDaysRoundToTheWholeMinute)
{
    EXPECT_EQ(GetsTermDay(1910, 3), 5);
    EXPECT_EQ(GetsTermDay(1910, 7), 6);
    EXPECT_EQ(GetsTermDay(1957, 21), 8);
    EXPECT_EQ(GetsTermDay(2002, 1), 5);
}

TEST(STermTable, EveryTermFallsInItsMonthAndTheMomentCombinesFormulaDayAndTableTime)
{
    for (int year = 1900; year <= 2031; ++year) {
        for (int term = 1; term <= 24; ++term) {
            const date::Date moment = GetsTermMoment(year, term);
            const date::Ymd ymd = date::YmdOf(moment);
            ASSERT_EQ(ymd.month, (term + 1) / 2) << year << " " << term;
            ASSERT_EQ(ymd.day, GetsTermDay(year, term));
            const int hhmm = STermTimeOfDay(year, term);
            ASSERT_EQ(date::Hour(moment) * 100 + date::Minute(moment), hhmm);
        }
    }
    EXPECT_EQ(date::GeneralText(GetsTermMoment(2002, 1)), "2002-01-05 20:26:00");
}

TEST(STermTable, OutOfRangeYearsAndTerms)
{
    EXPECT_EQ(ErrorOf([&] {
                  GetsTermText(1899, 1);
              }),
              9);
    EXPECT_EQ(ErrorOf([&] {
                  GetsTermText(2032, 1);
              }),
              9);
    EXPECT_EQ(ErrorOf([&] {
                  GetsTermText(2002, 25);
              }),
              9);
    EXPECT_EQ(ErrorOf([&] {
                  GetsTermText(2002, 0);
              }),
              5);
    EXPECT_EQ(ErrorOf([&] {
                  GetsTermMoment(2032, 1);
              }),
              9);
    EXPECT_EQ(ErrorOf([&] {
                  GetsTermDay(2002, 25);
              }),
              9);
    EXPECT_NO_THROW(GetsTermDay(2040, 1)); // the formula itself has no year range
}

} // namespace
