// The C interface as a foreign caller meets it: status numbers, NULL pointers, small buffers, out
// parameters left alone on failure, and the per-thread message.
#include "corvane/calendar.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <thread>

namespace
{

TEST(CalendarCInterface, NullPointersAreRefusedWithStatus5)
{
    const corv_lunar_date date{2002, 6, 0, 10};
    char buf[CORV_CAL_TEXT_SIZE];
    int y, m, d;
    const std::function<int()> calls[] = {
        [] { return corv_cal_range(nullptr); },
        [] { return corv_cal_to_lunar(2002, 7, 19, nullptr); },
        [&] { return corv_cal_to_gregorian(nullptr, &y, &m, &d); },
        [&] { return corv_cal_to_gregorian(&date, &y, nullptr, &d); },
        [] { return corv_cal_leap_month(2002, nullptr); },
        [] { return corv_cal_month_length(2002, 6, 0, nullptr); },
        [&] { return corv_cal_month_name(nullptr, buf, sizeof buf); },
        [&] { return corv_cal_day_name(&date, nullptr, sizeof buf); },
        [] { return corv_cal_stem_branch(1, nullptr, 8); },
        [] { return corv_cal_festival(2002, 2, 12, nullptr, 64); },
        [] { return corv_cal_caption(2002, 7, 19, 0, nullptr, 64); },
        [] { return corv_cal_sexagenary(2002, 7, 19, 10, 30, 0, nullptr); },
        [] { return corv_cal_solar_term(2002, 1, nullptr); },
        [] { return corv_cal_solar_terms(2002, nullptr); },
        [] { return corv_cal_solar_term_text(2002, 1, nullptr, 64); },
    };
    for (std::size_t i = 0; i < std::size(calls); ++i) {
        EXPECT_EQ(calls[i](), CORV_CAL_E_INVALID) << "call " << i;
        EXPECT_NE(std::string(corv_cal_last_error_message()).find("NULL"), std::string::npos) << "call " << i;
    }
}

TEST(CalendarCInterface, TextsThatDoNotFitLeaveAnEmptyBuffer)
{
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    ASSERT_EQ(corv_cal_stem_branch(1, buf, 7), CORV_CAL_OK); // "甲子": 6 bytes and the NUL
    EXPECT_STREQ(buf, "甲子");
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(corv_cal_stem_branch(1, buf, 6), CORV_CAL_E_OVERFLOW);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_STREQ(corv_cal_last_error_message(), "Overflow: the text needs 7 bytes, the buffer has 6");
    EXPECT_EQ(corv_cal_stem_branch(1, buf, 0), CORV_CAL_E_OVERFLOW);
    // The longest caption fits the advertised size.
    char caption[CORV_CAL_TEXT_SIZE];
    EXPECT_EQ(corv_cal_caption(2002, 7, 19, CORV_CAL_CAPTION_LUNAR_YMD_WEEK, caption, sizeof caption), CORV_CAL_OK);
    EXPECT_LT(std::strlen(caption), std::size_t(CORV_CAL_TEXT_SIZE));
}

TEST(CalendarCInterface, OutParametersAreWrittenOnlyOnSuccess)
{
    corv_lunar_date lunar{-1, -1, -1, -1};
    EXPECT_EQ(corv_cal_to_lunar(2101, 1, 1, &lunar), CORV_CAL_E_OUT_OF_RANGE);
    EXPECT_EQ(lunar.year, -1);
    EXPECT_EQ(corv_cal_to_lunar(2001, 5, 23, &lunar), CORV_CAL_OK);
    EXPECT_EQ(lunar.year, 2001);
    EXPECT_EQ(lunar.month, 4);
    EXPECT_EQ(lunar.leap, 1);
    EXPECT_EQ(lunar.day, 1);

    int y = -1, m = -1, d = -1;
    const corv_lunar_date missing{2002, 4, 1, 1};
    EXPECT_EQ(corv_cal_to_gregorian(&missing, &y, &m, &d), CORV_CAL_E_INVALID);
    EXPECT_EQ(y, -1);
    // Any non-zero leap flag selects the leap month.
    const corv_lunar_date leap{2001, 4, 2, 1};
    EXPECT_EQ(corv_cal_to_gregorian(&leap, &y, &m, &d), CORV_CAL_OK);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20010523);

    corv_solar_term terms[24];
    terms[0].number = -1;
    EXPECT_EQ(corv_cal_solar_terms(2101, terms), CORV_CAL_E_OUT_OF_RANGE);
    EXPECT_EQ(terms[0].number, -1);
}

TEST(CalendarCInterface, ArgumentsOutsideTheirRangesAreRefused)
{
    corv_sexagenary n;
    struct Case {
        int hour, minute, mode;
    };
    for (const Case c : {Case{24, 0, 0}, Case{-1, 0, 0}, Case{10, 60, 0}, Case{10, 0, 2}})
        EXPECT_EQ(corv_cal_sexagenary(2002, 7, 19, c.hour, c.minute, c.mode, &n), CORV_CAL_E_INVALID)
            << c.hour << ":" << c.minute << " mode " << c.mode;
    EXPECT_EQ(corv_cal_sexagenary(2002, 7, 19, 23, 59, CORV_CAL_ERA_SOLAR_TERM, &n), CORV_CAL_OK);

    int days = 0;
    EXPECT_EQ(corv_cal_month_length(2002, 13, 0, &days), CORV_CAL_E_INVALID);
    EXPECT_EQ(corv_cal_month_length(2031, 11, 0, &days), CORV_CAL_OK);
    EXPECT_EQ(days, 30);
}

TEST(CalendarCInterface, TheLastMessageBelongsToTheCallingThread)
{
    corv_lunar_date lunar;
    ASSERT_EQ(corv_cal_to_lunar(2002, 2, 30, &lunar), CORV_CAL_E_INVALID);
    const std::string mine = corv_cal_last_error_message();
    EXPECT_EQ(mine, "Invalid procedure call or argument: there is no day 2002-02-30");
    std::string theirs;
    std::thread([&] {
        EXPECT_STREQ(corv_cal_last_error_message(), "");
        corv_lunar_date other;
        EXPECT_EQ(corv_cal_to_lunar(1900, 1, 1, &other), CORV_CAL_E_OUT_OF_RANGE);
        theirs = corv_cal_last_error_message();
    }).join();
    EXPECT_NE(theirs.find("1900-01-01"), std::string::npos) << theirs;
    EXPECT_EQ(corv_cal_last_error_message(), mine);
}

TEST(CalendarCInterface, SolarTermsCarryUnixTimeAndChinaStandardTime)
{
    corv_solar_term term;
    ASSERT_EQ(corv_cal_solar_term(2002, 24, &term), CORV_CAL_OK);
    EXPECT_STREQ(term.name, "冬至");
    // 2002-12-22 08:55 at UTC+8 is 00:55 UTC.
    EXPECT_EQ(term.unix_seconds, 1040518500);
    EXPECT_EQ(term.year * 10000 + term.month * 100 + term.day, 20021222);
    EXPECT_EQ(term.hour * 100 + term.minute, 855);
}

} // namespace
