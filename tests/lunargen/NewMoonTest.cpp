#include "tools/lunargen/NewMoon.h"
#include "tools/lunargen/ApparentLunarLongitude.h"
#include "tools/stermgen/ApparentSolarLongitude.h"
#include "tools/stermgen/JulianDay.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace
{

using namespace corvane::lunargen;
using namespace std::chrono;

double julianDayAt(int y, unsigned m, unsigned d, int hour, int minute, int second)
{
    return corvane::stermgen::julianDay(local_days{year{y} / month{m} / day{d}})
        + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

// Meeus, "Astronomical Algorithms" (2nd ed.), example 49.a: the new moon of 1977 February 18 at
// 3h37m42s TD (JDE 2443192.65118). His method is good to a few seconds, the lunar theory to about 6 s
// rms: 15 s leaves room for both and still fails a frame error such as aberration applied twice (40 s).
TEST(NewMoon, MatchesMeeusWorkedExampleInDynamicalTime)
{
    const double published = 2443192.65118;
    const double computed = newMoonJulianDayTt(lunationNear(published));
    EXPECT_LE(std::abs(computed - published) * 86400.0, 15.0);
}

// New moons as F. Espenak's "Six Millennium Catalog of Phases of the Moon" (NASA GSFC) gives them, in
// UT to the minute; the solar-eclipse ones are checked by the eclipse itself. Within half a minute of
// rounding plus 15 s.
TEST(NewMoon, MatchesPublishedNewMoonsInUniversalTime)
{
    const struct {
        int year;
        unsigned month, day;
        int hour, minute;
    } cases[] = {
        {1999, 8, 11, 11, 8}, // total solar eclipse
        {2000, 1, 6, 18, 14},
        {2009, 7, 22, 2, 35}, // total solar eclipse
        {2017, 8, 21, 18, 30}, // total solar eclipse
        {2024, 4, 8, 18, 21}, // total solar eclipse
    };
    for (const auto &c : cases) {
        const double published = julianDayAt(c.year, c.month, c.day, c.hour, c.minute, 0);
        const double computed = newMoonJulianDayUt(lunationNear(published));
        EXPECT_LE(std::abs(computed - published) * 86400.0, 45.0) << c.year << '-' << c.month << '-' << c.day;
    }
}

// Over 1900-2101 each new moon is a true conjunction, numbered as lunationNear numbers it, and the
// next comes 29.272 to 29.833 days later (J. Meeus: the shortest and longest lunations of 1601-2401).
TEST(NewMoon, EveryLunationIsAConjunctionOneSynodicMonthAfterTheLast)
{
    const int first = lunationNear(julianDayAt(1900, 1, 1, 0, 0, 0));
    const int last = lunationNear(julianDayAt(2102, 1, 1, 0, 0, 0));
    double previous = newMoonJulianDayTt(first);
    for (int lunation = first + 1; lunation <= last; ++lunation) {
        const double current = newMoonJulianDayTt(lunation);
        ASSERT_EQ(lunationNear(current), lunation);
        const double elongation = apparentLunarLongitude(current) - corvane::stermgen::apparentSolarLongitude(current);
        ASSERT_LT(std::abs(std::remainder(elongation, 360.0)), 1e-5) << lunation;
        ASSERT_GT(current - previous, 29.272) << lunation;
        ASSERT_LT(current - previous, 29.833) << lunation;
        previous = current;
    }
}

} // namespace
