#include "tools/stermgen/ApparentSolarLongitude.h"

#include <gtest/gtest.h>

namespace
{

using corvane::stermgen::apparentSolarLongitude;

constexpr double kArcsecond = 1.0 / 3600.0;

// Meeus, Astronomical Algorithms, example 25.b (full VSOP87): on 1992 October 13.0 TD the Sun's
// geometric longitude is 199°54'26.18", the nutation in longitude +15.908" and the aberration
// -20.539", so its apparent longitude is 199°54'21.549".
TEST(ApparentSolarLongitude, MatchesTheVsop87WorkedExample)
{
    const double expected = 199.0 + 54.0 / 60.0 + 21.549 * kArcsecond;
    EXPECT_NEAR(apparentSolarLongitude(2448908.5), expected, 0.1 * kArcsecond);
}

// The Sun moves 0.953 to 1.019 degrees a day; every six hours over a year (through the wrap at
// 360 degrees) the longitude must advance by a quarter of that, never stall or jump.
TEST(ApparentSolarLongitude, AdvancesSteadilyThroughAYear)
{
    const double start = 2451544.5; // 2000-01-01 00:00
    double previous = apparentSolarLongitude(start);
    for (int step = 1; step <= 4 * 366; ++step) {
        const double current = apparentSolarLongitude(start + step * 0.25);
        ASSERT_GE(current, 0.0);
        ASSERT_LT(current, 360.0);
        double advance = current - previous;
        if (advance < 0.0) {
            advance += 360.0;
        }
        ASSERT_GT(advance, 0.95 / 4) << "step " << step;
        ASSERT_LT(advance, 1.02 / 4) << "step " << step;
        previous = current;
    }
}

} // namespace
