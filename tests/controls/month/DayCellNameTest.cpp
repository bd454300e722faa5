#include "controls/month/DayCellName.h"

#include <gtest/gtest.h>

namespace
{

using corvane::month::DayCellName;

struct NameRow {
    const char *what;
    int year, month, day;
    const char *name;
};

// Lunar dates and solar-term days as the almanac of each year gives them.
constexpr NameRow kRows[] = {
    {"an ordinary day", 2002, 7, 19, "2002年7月19日 星期五 农历六月初十"},
    {"lunar New Year, a lunar festival", 2002, 2, 12, "2002年2月12日 星期二 农历正月初一 春节"},
    {"a solar term (立春)", 2002, 2, 4, "2002年2月4日 星期一 农历腊月廿三 立春"},
    {"a Gregorian festival", 2002, 10, 1, "2002年10月1日 星期二 农历八月廿五 国庆节"},
    {"the first day of a leap month", 2004, 3, 21, "2004年3月21日 星期日 农历闰二月初一"},
    {"the first day of the range", 1901, 1, 1, "1901年1月1日 星期二 农历冬月十一 元旦"},
};

TEST(DayCellName, NamesTheDateWeekDayLunarDateAndWhatFallsOnTheDay)
{
    for (const NameRow &row : kRows)
        EXPECT_EQ(DayCellName(row.year, row.month, row.day), row.name) << row.what;
}

TEST(DayCellName, WeekDayCaptionsRunFromSundayToSaturday)
{
    EXPECT_EQ(corvane::month::WeekDayCaption(0), "星期日");
    EXPECT_EQ(corvane::month::WeekDayCaption(6), "星期六");
    EXPECT_THROW(corvane::month::WeekDayCaption(7), std::out_of_range);
}

} // namespace
