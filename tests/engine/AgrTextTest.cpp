#include "engine/AgrText.h"

#include "EngineTestSupport.h"
#include "ErrorOf.h"
#include <gtest/gtest.h>

#include "platform/date/DateValue.h"

#include <string>
#include <utility>
#include <vector>

using namespace corvane::ModAgrCAl;
using corvane::date::FromYmd;

namespace
{

// Names are composed from a prefix and a numeral: each join, and every numeral once.
TEST(AgrText, DayAndMonthNames)
{
    // clang-format off
    const std::pair<int, const char *> days[] = {
        {1, "初一"}, {4, "初四"}, {7, "初七"}, {9, "初九"}, {10, "初十"}, {11, "十一"}, {15, "十五"},
        {18, "十八"}, {20, "二十"}, {22, "廿二"}, {23, "廿三"}, {26, "廿六"}, {30, "三十"},
    };
    // clang-format on
    for (const auto &[day, name] : days)
        EXPECT_EQ(GetAgrDayName(day), name) << day;
    for (int day : {0, 31, 40})
        EXPECT_EQ(ErrorOf([&] { GetAgrDayName(day); }), 5) << day;

    // The month characters are a list of their own: a slip in any of them shows only here.
    const char *const months = "正月二月三月四月五月六月七月八月九月十月冬月腊月";
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(GetAgrMonthName(std::to_string(m), 0), std::string(months + 6 * (m - 1), 6)) << m;
    EXPECT_EQ(GetAgrMonthName("4R", 4), "闰四");
    EXPECT_EQ(GetAgrMonthName("4R", 0), "闰四");
    EXPECT_EQ(GetAgrMonthName("8R", 8), "闰八");
    EXPECT_EQ(GetAgrMonthName("4R", 5), "闰五"); // the year's leap month wins over the text
    EXPECT_EQ(GetAgrMonthName("6", 4), "六月");
    EXPECT_EQ(ErrorOf([&] { GetAgrMonthName("0", 0); }), 5);
    EXPECT_EQ(ErrorOf([&] { GetAgrMonthName("13", 0); }), 5);
}

TEST(AgrText, StemBranchNamesOfSexagenaryNumbers)
{
    EXPECT_EQ(GetEraName(1), "甲子");
    EXPECT_EQ(GetEraName(2), "乙丑");
    EXPECT_EQ(GetEraName(11), "甲戌");
    EXPECT_EQ(GetEraName(60), "癸亥");
    EXPECT_EQ(GetEraName(0), "癸亥");
    EXPECT_EQ(GetEraName(61), "甲子");
    EXPECT_EQ(GetStemBranch(0, 0), "癸亥");
    EXPECT_EQ(ErrorOf([&] { GetStemBranch(11, 1); }), 5);
    EXPECT_EQ(ErrorOf([&] { GetEraName(-1); }), 5);
    // All 60 names are distinct and each stem pairs only with branches of its parity.
    std::vector<std::string> names;
    for (int n = 1; n <= 60; ++n) {
        const std::string name = GetEraName(n);
        EXPECT_EQ(std::count(names.begin(), names.end(), name), 0) << n;
        names.push_back(name);
    }
}

TEST(AgrText, YearMonthAndZodiacNames)
{
    EXPECT_EQ(GetAgrYearName(1984), "甲子年");
    EXPECT_EQ(GetAgrYearName(2002), "壬午年");
    EXPECT_EQ(GetAgrYearName(1900), "庚子年");
    EXPECT_EQ(GetAgrYearName(2001), "辛巳年");
    EXPECT_EQ(GetMonthEraName(1984, "1"), "丙寅月");
    EXPECT_EQ(GetMonthEraName(2002, "6"), "丁未月");
    EXPECT_EQ(GetMonthEraName(2002, "12"), "癸丑月");
    EXPECT_EQ(GetMonthEraName(2001, "4R"), GetMonthEraName(2001, "4")); // a leap month takes its month's
    EXPECT_EQ(GetYearZodiacName(1984), "鼠");
    EXPECT_EQ(GetYearZodiacName(2002), "马");
    EXPECT_EQ(GetYearZodiacName(1983), "猪"); // the last animal, where the branch wraps
    EXPECT_EQ(ErrorOf([&] { GetZodiacName(13); }), 5);
}

TEST(AgrText, DayStemBranchNumbers)
{
    EXPECT_EQ(GetDayEraNumber(FromYmd(1900, 1, 1)), 11);
    EXPECT_EQ(GetDayEraName(FromYmd(1900, 1, 1)), "甲戌日");
    EXPECT_EQ(GetDayEraNumber(FromYmd(2000, 1, 1)), 55);
    EXPECT_EQ(GetDayEraNumber(FromYmd(1899, 12, 21)), 60);
    EXPECT_EQ(GetDayEraNumber(FromYmd(1899, 12, 20)), 59);
    EXPECT_EQ(GetDayEraNumber(FromYmd(1900, 2, 19)), 60);
    EXPECT_EQ(GetDayEraNumber(FromYmd(2002, 7, 19) + 0.99), 25); // the time of day plays no part
    // Consecutive days advance by one modulo 60, backwards into negative serial numbers too.
    for (int d = -400; d < 48300; ++d)
        ASSERT_EQ(GetDayEraNumber(d + 1), GetDayEraNumber(d) % 60 + 1) << d;
}

} // namespace
