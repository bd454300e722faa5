#include "tools/lunargen/CivilTime.h"
#include "tools/stermgen/JulianDay.h"

#include <gtest/gtest.h>

namespace
{

using namespace corvane::lunargen;
using namespace std::chrono;

// A UT moment, as a Julian day, and the civil time each meridian gives it.
TEST(CivilTime, ReckonsEachMeridianAndSwitchesIn1929)
{
    const struct {
        local_seconds ut;
        CalendarMeridian meridian;
        local_seconds civil;
    } cases[] = {
        // 16:04:49 UT is past midnight in standard time but not yet in Beijing mean time.
        {local_days{year{1920} / 11 / 10} + 16h + 4min + 49s,
         kStandardTimeThroughout,
         local_days{year{1920} / 11 / 11} + 4min + 49s},
        {local_days{year{1920} / 11 / 10} + 16h + 4min + 49s,
         kBeijingTimeBefore1929,
         local_days{year{1920} / 11 / 10} + 23h + 50min + 29s},
        // From 1929 both are standard time.
        {local_days{year{1929} / 1 / 1} + 12h, kBeijingTimeBefore1929, local_days{year{1929} / 1 / 1} + 20h},
        {local_days{year{2057} / 9 / 28} + 16h, kBeijingTimeBefore1929, local_days{year{2057} / 9 / 29}},
    };
    for (const auto &c : cases) {
        const auto sinceMidnight = c.ut - floor<days>(c.ut);
        const double julianDayUt =
            corvane::stermgen::julianDay(floor<days>(c.ut)) + duration<double, days::period>(sinceMidnight).count();
        EXPECT_EQ(civilTime(julianDayUt, c.meridian), c.civil) << c.civil.time_since_epoch().count();
    }
}

TEST(CivilTime, MeasuresTheDistanceToTheNearerMidnight)
{
    const local_days day{year{2057} / 9 / 29};
    const struct {
        local_seconds moment;
        seconds expected;
    } cases[] = {
        {day, 0s},
        {day + 17s, 17s},
        {day - 1s, -1s},
        {day + 11h + 59min + 59s, 11h + 59min + 59s},
        {day + 12h, -12h},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(fromMidnight(c.moment), c.expected) << c.expected.count();
    }
}

} // namespace
