#include "controls/month/MonthGridModel.h"
#include "engine/EngineLifetime.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::month;

namespace
{

// Colours that tell every rule apart.
MonthColors Distinct()
{
    MonthColors c;
    c.ForeColor = 0x000001;
    c.FestForeColor = 0x000002;
    c.StForeColor = 0x000003;
    c.AgrForeColor = 0x000004;
    return c;
}

} // namespace

TEST(MonthGridModel, NumbersAndLowerLinesTakeTheColoursOfTheirRules)
{
    const ModAgrCAl::EngineClient engine;
    const MonthGridModel july = BuildMonthGrid(2002, 7, date::FromYmd(2002, 7, 19), Distinct());
    EXPECT_EQ(july.offset, 1);
    EXPECT_EQ(july.dayCount, 31);
    struct Case {
        int day;
        ui::OleColor number;
        const char *lower;
        ui::OleColor lowerColor;
    };
    const Case cases[] = {
        {1, 2, "建党节", 2}, // a festival on a Monday
        {2, 1, "廿二", 4}, // a plain weekday
        {6, 3, "廿六", 4}, // a Saturday without festival
        {7, 2, "廿七", 4}, // a Sunday without festival
        {10, 1, "六月", 4}, // the first day of a lunar month shows the month
    };
    for (const Case &c : cases) {
        const GridDay &day = july.days[std::size_t(c.day - 1)];
        EXPECT_EQ(day.numberColor, c.number) << c.day;
        EXPECT_EQ(day.lowerText, c.lower) << c.day;
        EXPECT_EQ(day.lowerColor, c.lowerColor) << c.day;
    }
    EXPECT_EQ(july.days[30].position, (GridPosition{3, 4}));
    EXPECT_EQ(july.firstTermText, "小暑：7日15时40分");
    EXPECT_EQ(july.secondTermText, "大暑：23日21时54分");

    // A festival on a Saturday takes the festival colour for both lines.
    const MonthGridModel june = BuildMonthGrid(2002, 6, date::FromYmd(2002, 7, 19), Distinct());
    EXPECT_EQ(june.days[0].position, (GridPosition{6, 0}));
    EXPECT_EQ(june.days[0].numberColor, 2u);
    EXPECT_EQ(june.days[0].lowerText, "儿童节");

    // 立春 2009 came just after midnight on the 4th.
    const MonthGridModel february = BuildMonthGrid(2009, 2, date::FromYmd(2009, 2, 1), Distinct());
    EXPECT_EQ(february.firstTermText, "立春：4日00时50分");
}

TEST(MonthGridModel, TodayIsBoldOnlyInTodaysMonth)
{
    const ModAgrCAl::EngineClient engine;
    const auto boldDays = [](const MonthGridModel &m) {
        std::vector<int> days;
        for (int d = 1; d <= m.dayCount; ++d)
            if (m.days[std::size_t(d - 1)].bold)
                days.push_back(d);
        return days;
    };
    EXPECT_EQ(boldDays(BuildMonthGrid(2002, 7, date::FromYmd(2002, 7, 19) + 0.75, {})), std::vector<int>{19});
    EXPECT_TRUE(boldDays(BuildMonthGrid(2002, 8, date::FromYmd(2002, 7, 19), {})).empty());
    EXPECT_TRUE(boldDays(BuildMonthGrid(2003, 7, date::FromYmd(2002, 7, 19), {})).empty());
}

TEST(MonthGridModel, AFestivalTextOfBlanksIsNoFestival)
{
    EXPECT_FALSE(HasFestival(""));
    EXPECT_FALSE(HasFestival("   "));
    EXPECT_TRUE(HasFestival(" 元旦 "));
}
