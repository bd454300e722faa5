#include "engine/STermTable.h"

#include "EngineTestSupport.h"
#include "ErrorOf.h"
#include <gtest/gtest.h>

#include "platform/date/DateFormat.h"

#include <cstdlib>
#include <string>

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
        // Terms near midnight fall on their true day (the formula says the 3rd, the 20th, the 22nd).
        {2009, 3, "立春：4日00时50分"},
        {1909, 2, "大寒：21日00时11分"},
        {1917, 10, "小满：21日23时59分"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetsTermText(c.year, c.term), c.expected) << c.year << " " << c.term;
}

// The names are a list of their own: a slip in any of them shows only here.
TEST(STermTable, TermNames)
{
    const std::string names =
        "小寒大寒立春雨水惊蛰春分清明谷雨立夏小满芒种夏至小暑大暑立秋处暑白露秋分寒露霜降立冬小雪大雪冬至";
    for (int t = 1; t <= 24; ++t)
        EXPECT_EQ(GetsTermName(t), names.substr(6 * std::size_t(t - 1), 6)) << t;
}

// The formula moment lies 20 seconds before midnight and rounds to 00:00 of the next day.
TEST(STermTable, FormulaDaysRoundToTheWholeMinute)
{
    EXPECT_EQ(GetsTermDay(1910, 3), 5);
    EXPECT_EQ(GetsTermDay(1910, 7), 6);
    EXPECT_EQ(GetsTermDay(1957, 21), 8);
    EXPECT_EQ(GetsTermDay(2002, 1), 5);
}

// The formula's day is kept as it is for every year, including those whose terms fall on another day.
TEST(STermTable, FormulaDaysStayTheFormulas)
{
    EXPECT_EQ(GetsTermDay(2009, 3), 3);
    EXPECT_EQ(GetsTermDay(1909, 2), 20);
}

// Every moment falls in its term's month, at most a day from the formula's day and on it in the three
// rows of fixed data; the text names the moment's day.
TEST(STermTable, EveryMomentIsInItsMonthAndNearTheFormulasDay)
{
    for (int year = kFirstSTermYear; year <= kLastSTermYear; ++year) {
        const bool fixedRow = year == 1900 || year == 2002 || year == 2031;
        for (int term = 1; term <= 24; ++term) {
            const date::Ymd ymd = date::YmdOf(GetsTermMoment(year, term));
            ASSERT_EQ(ymd.year, year);
            ASSERT_EQ(ymd.month, (term + 1) / 2) << year << " " << term;
            const int offTheFormula = ymd.day - GetsTermDay(year, term);
            ASSERT_LE(std::abs(offTheFormula), fixedRow ? 0 : 1) << year << " " << term;
            const std::string text = GetsTermText(year, term);
            ASSERT_EQ(text.substr(text.find("：") + 3, text.find("日") - text.find("：") - 3), std::to_string(ymd.day));
        }
    }
    EXPECT_EQ(date::GeneralText(GetsTermMoment(2002, 1)), "2002-01-05 20:26:00");
    EXPECT_EQ(date::GeneralText(GetsTermMoment(2009, 3)), "2009-02-04 00:50:00");
}

TEST(STermTable, OutOfRangeYearsAndTerms)
{
    EXPECT_EQ(ErrorOf([&] { GetsTermText(1899, 1); }), 9);
    EXPECT_EQ(ErrorOf([&] { GetsTermText(2101, 1); }), 9);
    EXPECT_EQ(ErrorOf([&] { GetsTermText(2002, 25); }), 9);
    EXPECT_EQ(ErrorOf([&] { GetsTermText(2002, 0); }), 5);
    EXPECT_EQ(ErrorOf([&] { GetsTermMoment(2101, 1); }), 9);
    EXPECT_EQ(ErrorOf([&] { GetsTermDay(2002, 25); }), 9);
    EXPECT_EQ(ErrorOf([&] { STermDayOfMonth(2101, 1); }), 9);
    EXPECT_EQ(ErrorOf([&] { STermDayOfMonth(2009, 0); }), 9);
    EXPECT_NO_THROW(GetsTermDay(2140, 1)); // the formula itself has no year range
}

} // namespace
