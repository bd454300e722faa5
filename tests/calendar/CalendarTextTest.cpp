// The C++ calendar API's names, festivals, captions, stem-branch numbers of moments and solar terms.
#include "CalendarErrorOf.h"

#include <gtest/gtest.h>

namespace
{

using namespace std::chrono;
using corvane::lunar_date;

TEST(CalendarText, MonthAndDayNames)
{
    struct Case {
        lunar_date date;
        const char *month;
        const char *day;
    };
    const Case cases[] = {
        {{2002, 1, false, 1}, "正月", "初一"},
        {{2002, 6, false, 10}, "六月", "初十"},
        {{2001, 4, true, 11}, "闰四", "十一"},
        {{2002, 11, false, 20}, "冬月", "二十"},
        {{2002, 12, false, 21}, "腊月", "廿一"},
        {{2002, 6, false, 30}, "六月", "三十"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(corvane::month_name(c.date), c.month) << c.date.month;
        EXPECT_EQ(corvane::day_name(c.date), c.day) << c.date.day;
    }
    // Only dates that exist have names.
    EXPECT_EQ(CalendarErrorOf([] { corvane::month_name({2002, 4, true, 1}); }), 5);
    EXPECT_EQ(CalendarErrorOf([] { corvane::day_name({2002, 7, false, 30}); }), 5);
}

TEST(CalendarText, StemBranchNamesAndZodiacAnimals)
{
    EXPECT_EQ(corvane::stem_branch(1), "甲子");
    EXPECT_EQ(corvane::stem_branch(11), "甲戌");
    EXPECT_EQ(corvane::stem_branch(60), "癸亥");
    for (const int n : {0, 61, -1})
        EXPECT_EQ(CalendarErrorOf([n] { corvane::stem_branch(n); }), 5) << n;

    EXPECT_EQ(corvane::zodiac(1984), "鼠");
    EXPECT_EQ(corvane::zodiac(2002), "马");
    EXPECT_EQ(corvane::zodiac(1983), "猪");
    EXPECT_EQ(CalendarErrorOf([] { corvane::zodiac(2101); }), 9);
}

TEST(CalendarText, FestivalsTheFirstTableThatMatchesWins)
{
    struct Case {
        year_month_day day;
        const char *festival;
    };
    // Which table wins is the engine's to test; here the day reaches it as a lunar and a Gregorian date.
    const Case cases[] = {
        {2002y / February / 12, "春节"},
        {2009y / May / 28, "端午节"},
        {2009y / June / 27, ""}, // 5-5 of the leap 5th month has no festival
        {2010y / February / 14, "情人节"}, // also lunar New Year: the Gregorian festival wins
    };
    for (const Case &c : cases)
        EXPECT_EQ(corvane::festival(c.day), c.festival) << unsigned(c.day.month()) << "-" << unsigned(c.day.day());
    EXPECT_EQ(CalendarErrorOf([] { corvane::festival(2101y / January / 1); }), 9);
}

TEST(CalendarText, CaptionsInEveryFormat)
{
    using enum corvane::caption_format;
    struct Case {
        year_month_day day;
        corvane::caption_format format;
        const char *caption;
    };
    const Case cases[] = {
        {2002y / July / 19, week, "2002年07月19日 星期五"},
        {2002y / July / 19, lunar_month_day_week, "2002年07月19日 农历: 六月 初十日 星期五"},
        {2009y / June / 23, lunar_month_day, "2009年06月23日 农历: 闰五 初一日"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(corvane::caption(c.day, c.format), c.caption);
    EXPECT_EQ(CalendarErrorOf([] { corvane::caption(2002y / July / 19, corvane::caption_format(5)); }), 5);
    EXPECT_EQ(CalendarErrorOf([] { corvane::caption(1900y / January / 1, week); }), 9);
}

TEST(CalendarText, SexagenaryNumbersOfMomentsInChinaStandardTime)
{
    using enum corvane::era_mode;
    struct Case {
        local_seconds china;
        corvane::era_mode mode;
        corvane::sexagenary expected;
    };
    const Case cases[] = {
        {local_days{2002y / July / 19} + 10h + 30min, lunar_month, {19, 44, 25, 54}}, // 壬午 丁未 戊子 丁巳
        {local_days{2002y / July / 19} + 23h + 15min, lunar_month, {19, 44, 26, 1}}, // 23:00 starts the next day
        {local_days{2000y / January / 1} + 10min, lunar_month, {16, 13, 55, 49}},
        {local_days{1983y / March / 1}, lunar_month, {60, 51, 25, 49}}, // lunar 1983 is 癸亥, number 60
        {local_days{2002y / January / 20} + 12h, solar_term, {18, 38, 25, 55}}, // after 小寒: 辛巳 year, 辛丑 month
    };
    for (const Case &c : cases) {
        const corvane::sexagenary n = corvane::sexagenary_of(c.china, c.mode);
        EXPECT_EQ(n, c.expected) << c.china.time_since_epoch().count() << ": " << n.year << " " << n.month << " "
                                 << n.day << " " << n.hour;
    }
    EXPECT_EQ(corvane::stem_branch(corvane::sexagenary_of(local_days{2002y / July / 19} + 10h + 30min).hour), "丁巳");
    // An instant is read in China Standard Time: 02:30 UTC is 10:30 there.
    EXPECT_EQ(corvane::sexagenary_of(sys_days{2002y / July / 19} + 2h + 30min),
              corvane::sexagenary_of(local_days{2002y / July / 19} + 10h + 30min));
    EXPECT_EQ(CalendarErrorOf([] { corvane::sexagenary_of(local_days{2101y / January / 1}); }), 9);
}

TEST(CalendarText, SolarTermsOfAYear)
{
    const corvane::solar_term first = corvane::solar_term_of(2002, 1);
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.name, "小寒");
    EXPECT_EQ(first.china_time, local_days{2002y / January / 5} + 20h + 26min);
    EXPECT_EQ(first.moment, sys_days{2002y / January / 5} + 12h + 26min);

    EXPECT_EQ(corvane::solar_term_text(2002, 1), "小寒：5日20时26分");
    EXPECT_EQ(corvane::solar_term_text(2002, 3), "立春：4日08时08分");
    EXPECT_EQ(corvane::solar_term_text(1900, 1), "小寒：6日03时08分");

    const std::array<corvane::solar_term, 24> terms = corvane::solar_terms(2002);
    EXPECT_EQ(terms[23].name, "冬至");
    EXPECT_EQ(terms[23].china_time, local_days{2002y / December / 22} + 8h + 55min);

    struct Case {
        int year;
        int number;
        int error;
    };
    for (const Case c : {Case{1899, 1, 9}, Case{2101, 1, 9}, Case{2002, 0, 5}, Case{2002, 25, 5}}) {
        EXPECT_EQ(CalendarErrorOf([c] { corvane::solar_term_of(c.year, c.number); }), c.error)
            << c.year << " " << c.number;
        EXPECT_EQ(CalendarErrorOf([c] { corvane::solar_term_text(c.year, c.number); }), c.error);
    }
    EXPECT_EQ(CalendarErrorOf([] { corvane::solar_terms(2101); }), 9);
}

TEST(CalendarText, EveryYearsTermsFollowEachOtherTwoAMonthInChinaStandardTime)
{
    const corvane::calendar_range range = corvane::supported_range();
    for (int year = range.first_term_year; year <= range.last_term_year; ++year) {
        const std::array<corvane::solar_term, 24> terms = corvane::solar_terms(year);
        for (int i = 0; i < 24; ++i) {
            const corvane::solar_term &t = terms[std::size_t(i)];
            ASSERT_EQ(t.number, i + 1);
            ASSERT_EQ(t.moment.time_since_epoch(), t.china_time.time_since_epoch() - 8h) << year << " " << t.number;
            const year_month_day day{floor<days>(t.china_time)};
            ASSERT_EQ(int(day.year()), year);
            ASSERT_EQ(unsigned(day.month()), unsigned(i / 2 + 1)) << year << " " << t.number;
            if (i > 0) {
                ASSERT_GT(t.moment, terms[std::size_t(i - 1)].moment) << year << " " << t.number;
            }
        }
    }
}

} // namespace
