#include "platform/date/Clock.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace corvane::date;

namespace
{

TEST(Clock, AnInstalledClockAnswersNowAndTodayUntilItGoes)
{
    const Date systemNow = Now();
    EXPECT_GT(systemNow, FromYmd(2020, 1, 1));
    {
        const FixedClock pinned(FromYmd(2002, 7, 19) + FromHms(10, 30, 0));
        const ScopedClock scope(pinned);
        EXPECT_EQ(Now(), FromYmd(2002, 7, 19) + FromHms(10, 30, 0));
        EXPECT_EQ(Today(), FromYmd(2002, 7, 19));
    }
    EXPECT_GT(Now(), FromYmd(2020, 1, 1));
    EXPECT_EQ(Today(), std::trunc(Today()));
}

} // namespace
