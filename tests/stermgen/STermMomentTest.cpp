#include "tools/stermgen/STermMoment.h"
#include "tools/stermgen/ApparentSolarLongitude.h"
#include "tools/stermgen/JulianDay.h"
#include "tools/stermgen/STermTimeRows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace
{

using namespace corvane::stermgen;
using namespace std::chrono;

// Equinoxes and solstices as the US Naval Observatory publishes them ("Earth's Seasons"), in UT to
// the minute. Our moment must lie within a minute of each.
TEST(STermMoment, MatchesPublishedEquinoxesAndSolstices)
{
    const struct {
        int year;
        int term;
        unsigned month, day;
        int hour, minute;
    } cases[] = {
        {2000, 6, 3, 20, 7, 35},
        {2002, 12, 6, 21, 13, 24},
        {2005, 6, 3, 20, 12, 33},
        {2005, 12, 6, 21, 6, 46},
        {2005, 18, 9, 22, 22, 23},
        {2005, 24, 12, 21, 18, 35},
        {2016, 6, 3, 20, 4, 30},
        {2017, 18, 9, 22, 20, 2},
        {2018, 24, 12, 21, 22, 23},
        {2019, 12, 6, 21, 15, 54},
        {2023, 6, 3, 20, 21, 24},
        {2023, 12, 6, 21, 14, 58},
        {2023, 18, 9, 23, 6, 50},
        {2023, 24, 12, 22, 3, 27},
    };
    for (const auto &c : cases) {
        const local_seconds published =
            local_days{year{c.year} / month{c.month} / day{c.day}} + hours{c.hour} + minutes{c.minute};
        const local_seconds computed = chinaStandardTimeSeconds(sTermJulianDayUt(c.year, c.term)) - hours{8};
        EXPECT_LE(std::abs((computed - published).count()), 60) << c.year << " term " << c.term;
    }
}

// The same to the second, as the Paris Observatory's IMCCE publishes them (UT). Our moment must lie
// within ten seconds of each: a few seconds of Delta T and ephemeris, nothing more.
TEST(STermMoment, MatchesPublishedMomentsToTheSecond)
{
    const struct {
        int year;
        int term;
        unsigned month, day;
        int hour, minute, second;
    } cases[] = {
        {2013, 12, 6, 21, 5, 3, 58},
        {2014, 6, 3, 20, 16, 57, 5},
        {2016, 12, 6, 20, 22, 34, 12},
        {2021, 12, 6, 21, 3, 32, 11},
        {2022, 12, 6, 21, 9, 13, 52},
        {2023, 6, 3, 20, 21, 24, 24},
        {2024, 6, 3, 20, 3, 6, 21},
    };
    for (const auto &c : cases) {
        const local_seconds published = local_days{year{c.year} / month{c.month} / day{c.day}} + hours{c.hour}
            + minutes{c.minute} + seconds{c.second};
        const local_seconds computed = chinaStandardTimeSeconds(sTermJulianDayUt(c.year, c.term)) - hours{8};
        EXPECT_LE(std::abs((computed - published).count()), 10) << c.year << " term " << c.term;
    }
}

// Over the whole table range: the search lands on the right longitude, each term falls in its own
// Gregorian month (terms 2m - 1 and 2m in month m), and terms follow each other 14 to 16.5 days apart.
TEST(STermMoment, EveryTermOfEveryYearFallsInItsMonth)
{
    double previousJulianDay = 0.0;
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        for (int term = 1; term <= kSTermCount; ++term) {
            const double julianDayTt = sTermJulianDayTt(y, term);
            const double miss =
                std::fmod(apparentSolarLongitude(julianDayTt) - sTermLongitude(term) + 540.0, 360.0) - 180.0;
            ASSERT_LT(std::abs(miss), 1e-5) << y << " term " << term;

            const auto moment = chinaStandardTimeSeconds(sTermJulianDayUt(y, term));
            const year_month_day date{floor<days>(moment)};
            ASSERT_EQ(date.year(), year{y}) << "term " << term;
            ASSERT_EQ(static_cast<unsigned>(date.month()), static_cast<unsigned>((term + 1) / 2))
                << y << " term " << term;

            if (previousJulianDay != 0.0) {
                ASSERT_GT(julianDayTt - previousJulianDay, 14.0) << y << " term " << term;
                ASSERT_LT(julianDayTt - previousJulianDay, 16.5) << y << " term " << term;
            }
            previousJulianDay = julianDayTt;
        }
    }
}

} // namespace
