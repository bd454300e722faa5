#include "api/ModPublic.h"
#include "api/QxEnums.h"

#include "platform/date/Clock.h"
#include "platform/date/DateFormat.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>

using namespace corvane;
using date::FromYmd;

namespace
{

// Every test runs on 2002-07-19 10:30.
class ModPublicTest : public ::testing::Test
{
protected:
    date::FixedClock m_clock{FromYmd(2002, 7, 19) + date::FromHms(10, 30, 0)};
    date::ScopedClock m_pin{m_clock};
};

TEST_F(ModPublicTest, CheckDateArgScreensTheYear)
{
    EXPECT_TRUE(ModPublic::CheckDateArg(FromYmd(1901, 1, 1)).accepted);
    EXPECT_TRUE(ModPublic::CheckDateArg(FromYmd(2030, 12, 31) + 0.5).accepted);
    EXPECT_FALSE(ModPublic::CheckDateArg(FromYmd(1900, 12, 31)).accepted);
    EXPECT_FALSE(ModPublic::CheckDateArg(FromYmd(2031, 1, 1)).accepted);
    EXPECT_FALSE(ModPublic::CheckDateArg(std::numeric_limits<double>::quiet_NaN()).accepted);
    EXPECT_FALSE(ModPublic::CheckDateArg(1e18).accepted);
    const ModPublic::CheckedDate omitted = ModPublic::CheckDateArg(0);
    EXPECT_TRUE(omitted.accepted);
    EXPECT_EQ(omitted.date, m_clock.Now()); // now, time of day included
}

struct NumDateCase {
    date::Date day;
    QxAgrDateNum expected;
};

TEST_F(ModPublicTest, GetAgrNumDate)
{
    const NumDateCase cases[] = {
        {FromYmd(2002, 7, 19), {2002, 6, 10, 0, 6}},
        {FromYmd(2001, 5, 23), {2001, 4, 1, -1, 5}}, // leap 4th month
        {FromYmd(2001, 6, 21), {2001, 5, 1, 0, 6}},
        {FromYmd(1901, 1, 1), {1900, 11, 11, 0, 12}}, // still lunar 1900
        {FromYmd(1900, 12, 31), {}}, // year 1900 is rejected
        {FromYmd(2031, 1, 1), {}},
        {0, {2002, 6, 10, 0, 6}}, // omitted: today
    };
    for (const auto &c : cases)
        EXPECT_EQ(ModPublic::GetAgrNumDate(c.day), c.expected) << date::GeneralText(c.day);
}

TEST_F(ModPublicTest, GetAgrStrDate)
{
    EXPECT_EQ(ModPublic::GetAgrStrDate(FromYmd(2002, 7, 19)), (QxAgrDateStr{"壬午年", "六月", "初十日"}));
    EXPECT_EQ(ModPublic::GetAgrStrDate(FromYmd(2001, 5, 23)), (QxAgrDateStr{"辛巳年", "闰四", "初一日"}));
    EXPECT_EQ(ModPublic::GetAgrStrDate(FromYmd(2001, 6, 21)), (QxAgrDateStr{"辛巳年", "五月", "初一日"}));
    EXPECT_EQ(ModPublic::GetAgrStrDate(FromYmd(2031, 6, 21)), QxAgrDateStr{});
}

TEST_F(ModPublicTest, SolarTermsWithDefaultsAndScreening)
{
    EXPECT_EQ(ModPublic::GetsTermString(2002, 1), "小寒：5日20时26分");
    EXPECT_EQ(ModPublic::GetsTermString(1900, 1), "");
    EXPECT_EQ(ModPublic::GetsTermString(2002, 25), "");
    EXPECT_EQ(ModPublic::GetsTermString(2002, -1), "");
    EXPECT_EQ(ModPublic::GetsTermString(0, 0), ModPublic::GetsTermString(2002, 14)); // 19 July: 大暑
    EXPECT_EQ(ModPublic::GetsTermString(2002, 0), ModPublic::GetsTermString(2002, 14));
    EXPECT_EQ(date::GeneralText(ModPublic::GetsTermDateTime(2002, 1)), "2002-01-05 20:26:00");
    EXPECT_EQ(ModPublic::GetsTermDateTime(2031, 1), date::kNoDate);
    EXPECT_EQ(ModPublic::GetsTermDateTime(0, 3), ModPublic::GetsTermDateTime(2002, 3));
}

TEST_F(ModPublicTest, TermZeroIsTheCurrentHalfMonthsTerm)
{
    const date::FixedClock fifteenth(FromYmd(2002, 7, 15) + 0.9);
    const date::ScopedClock pin(fifteenth);
    EXPECT_EQ(ModPublic::GetsTermString(0, 0), ModPublic::GetsTermString(2002, 13));
}

TEST_F(ModPublicTest, EraNumbersAndStrings)
{
    const date::Date day = FromYmd(2002, 7, 19);
    EXPECT_EQ(ModPublic::GetEraNumber(day, date::FromHms(10, 30, 0), XCAgrMonth), (QxAgrEraNum{19, 44, 25, 54}));
    EXPECT_EQ(ModPublic::GetEraString(day, date::FromHms(10, 30, 0), XCAgrMonth),
              (QxAgrEraStr{"壬午", "丁未", "戊子", "丁巳"}));
    EXPECT_EQ(ModPublic::GetEraNumber(FromYmd(2002, 1, 20), date::FromHms(12, 0, 0), XCAgrTerm).AgrMonth, 38);
    EXPECT_EQ(ModPublic::GetEraNumber(FromYmd(1900, 6, 1)), QxAgrEraNum{});
    EXPECT_EQ(ModPublic::GetEraString(FromYmd(2031, 6, 1)), QxAgrEraStr{});
}

struct EraMomentCase {
    const char *what;
    date::Date day;
    date::Date time;
    std::int32_t mode;
    QxAgrEraStr expected;
};

// One moment: the calendar day of CurrDate at the time of CurTime. An omitted CurTime is the time of
// the effective date: 00:00 for a plain date, the present (10:30, 巳) when the date is omitted too.
TEST_F(ModPublicTest, EraStringsOfOneMoment)
{
    const date::Date feb4At0430 = FromYmd(2002, 2, 4) + date::FromHms(4, 30, 0); // 立春 2002 is at 08:08
    const EraMomentCase cases[] = {
        {"time counted once", feb4At0430, feb4At0430, XCAgrTerm, {"辛巳", "辛丑", "癸卯", "甲寅"}},
        {"time of day only", feb4At0430, date::FromHms(8, 8, 0), XCAgrTerm, {"壬午", "壬寅", "癸卯", "丙辰"}},
        {"plain date, no time", FromYmd(2002, 7, 19), 0, XCAgrMonth, {"壬午", "丁未", "戊子", "壬子"}},
        {"timed date, no time", FromYmd(2002, 7, 19) + 0.4375, 0, XCAgrMonth, {"壬午", "丁未", "戊子", "丁巳"}},
        {"nothing", 0, 0, XCAgrMonth, {"壬午", "丁未", "戊子", "丁巳"}},
        {"no date, a time", 0, date::FromHms(23, 30, 0), XCAgrMonth, {"壬午", "丁未", "己丑", "甲子"}},
        {"leap month", FromYmd(2001, 5, 23), 0, XCAgrMonth, {"辛巳", "癸巳", "丙戌", "戊子"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ModPublic::GetEraString(c.day, c.time, c.mode), c.expected) << c.what;
    EXPECT_EQ(ModPublic::GetEraNumber(), (QxAgrEraNum{19, 44, 25, 54}));
    EXPECT_EQ(ModPublic::GetEraNumber(FromYmd(2001, 5, 23)).AgrMonth, 30);
}

struct ToUniCase {
    QxAgrDateNum record;
    date::Date expected;
};

TEST_F(ModPublicTest, AgrDateToUniDateScreensTheRecord)
{
    const ToUniCase cases[] = {
        {{2001, 4, 1, -1, 0}, FromYmd(2001, 5, 23)}, // the leap 4th month
        {{2001, 4, 1, 0, 0}, FromYmd(2001, 4, 23)},
        {{2001, 4, 29, -1, 0}, FromYmd(2001, 6, 20)}, // the last day of the leap month
        {{2001, 3, 1, -1, 0}, 0}, // 2001 repeats the 4th month, not the 3rd
        {{2001, 4, 30, -1, 0}, 0}, // the leap 4th month has 29 days
        {{2002, 4, 1, -1, 0}, 0}, // 2002 has no leap month
        {{2002, 6, 10, 0, 99}, FromYmd(2002, 7, 19)}, // AgrMonthBound is not read
        {{2002, 1, 30, 0, 0}, FromYmd(2002, 3, 13)}, // a 30-day month
        {{2002, 3, 30, 0, 0}, 0}, // a 29-day month
        {{2002, 1, 0, 0, 0}, 0}, // there is no day 0
        {{1900, 1, 1, 0, 0}, 0},
        {{2031, 1, 1, 0, 0}, 0},
        {{2002, 0, 1, 0, 0}, 0},
        {{2001, 13, 1, 0, 0}, 0}, // month 13 is rejected even in a leap year
        {{2002, 13, 1, 0, 0}, 0},
        {{2002, 1, 31, 0, 0}, 0},
        {{2002, 1, -1, 0, 0}, 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ModPublic::AgrDateToUniDate(c.record), c.expected)
            << c.record.AgrFactYear << " " << c.record.AgrMonth << " " << c.record.AgrDay << " " << c.record.AgrIsLeep;
    }
}

// A record from GetAgrNumDate goes back to the same day for every day from lunar New Year 1901 to the
// end of 2030; earlier days of 1901 name lunar 1900, which is refused.
TEST_F(ModPublicTest, NumDateRecordsRoundTrip)
{
    for (date::Date d = FromYmd(1901, 1, 1); d <= FromYmd(2030, 12, 31); d += 1) {
        const QxAgrDateNum record = ModPublic::GetAgrNumDate(d);
        ASSERT_EQ(ModPublic::AgrDateToUniDate(record), d < FromYmd(1901, 2, 19) ? 0 : d) << date::GeneralText(d);
    }
}

} // namespace
