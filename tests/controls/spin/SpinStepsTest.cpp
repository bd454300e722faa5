#include "controls/spin/SpinSteps.h"
#include "platform/date/DateFormat.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::spin;
using date::FromHms;
using date::FromYmd;
using date::Unit;

namespace
{

std::string Text(date::Date value)
{
    return date::Format(value, date::kGeneralPattern);
}

// One step from a date, with the text of the date it must reach.
struct StepCase {
    const char *what;
    date::Date from;
    Unit unit;
    int step;
    const char *expected;
};

} // namespace

TEST(SpinSteps, DateStepsAddCalendarUnitsAndWrapTheWholeDateAtBothEnds)
{
    const StepCase cases[] = {
        {"day up at the last day", FromYmd(2030, 12, 31), Unit::Day, 1, "1901-01-01 00:00:00"},
        {"day down at the first day", FromYmd(1901, 1, 1), Unit::Day, -1, "2030-12-31 00:00:00"},
        {"month down in January 1901", FromYmd(1901, 1, 15), Unit::Month, -1, "2030-12-31 00:00:00"},
        {"month up in December 2030", FromYmd(2030, 12, 15), Unit::Month, 1, "1901-01-01 00:00:00"},
        {"year up from mid 2030", FromYmd(2030, 6, 15), Unit::Year, 1, "1901-01-01 00:00:00"},
        {"year down from mid 1901", FromYmd(1901, 6, 15), Unit::Year, -1, "2030-12-31 00:00:00"},
        {"year down from mid 2030", FromYmd(2030, 6, 15), Unit::Year, -1, "2029-06-15 00:00:00"},
        {"month up from 31 January", FromYmd(2002, 1, 31), Unit::Month, 1, "2002-02-28 00:00:00"},
        {"month up from 31 January of a leap year", FromYmd(2004, 1, 31), Unit::Month, 1, "2004-02-29 00:00:00"},
        {"month down from 31 March", FromYmd(2002, 3, 31), Unit::Month, -1, "2002-02-28 00:00:00"},
        {"year up from 29 February", FromYmd(2004, 2, 29), Unit::Year, 1, "2005-02-28 00:00:00"},
        {"day up keeps the time of day", FromYmd(2002, 7, 19) + FromHms(8, 15, 0), Unit::Day, 1, "2002-07-20 08:15:00"},
        {"a wrap drops the time of day",
         FromYmd(2030, 12, 31) + FromHms(8, 15, 0),
         Unit::Day,
         1,
         "1901-01-01 00:00:00"},
        {"a loaded date after the range wraps", FromYmd(2045, 3, 15), Unit::Day, -1, "1901-01-01 00:00:00"},
        {"a loaded date before the range wraps", FromYmd(1850, 3, 15), Unit::Month, 1, "2030-12-31 00:00:00"},
        {"the end of the date type wraps", date::kMaxDate, Unit::Day, 1, "1901-01-01 00:00:00"},
    };
    for (const StepCase &c : cases) {
        const std::optional<date::Date> next = StepValue(SpinKind::Date, c.from, c.unit, c.step);
        ASSERT_TRUE(next.has_value()) << c.what;
        EXPECT_EQ(Text(*next), c.expected) << c.what;
    }
}

TEST(SpinSteps, ADayStepUpAndBackReturnsToEveryDayOfTheRange)
{
    for (date::Date day = ModAgrCAl::kFirstPublishedDate; day <= ModAgrCAl::kLastPublishedDate; ++day) {
        const date::Date up = StepDate(day, Unit::Day, 1);
        ASSERT_EQ(up, day == ModAgrCAl::kLastPublishedDate ? ModAgrCAl::kFirstPublishedDate : day + 1) << Text(day);
        ASSERT_EQ(StepDate(up, Unit::Day, -1), day) << Text(day);
    }
}

TEST(SpinSteps, TimeStepsCrossMidnightMovingTheDayAndNeverWrap)
{
    const StepCase cases[] = {
        {"second up at 23:59:59", FromYmd(2002, 7, 19) + FromHms(23, 59, 59), Unit::Second, 1, "2002-07-20 00:00:00"},
        {"hour down at 00:30", FromYmd(2002, 7, 19) + FromHms(0, 30, 0), Unit::Hour, -1, "2002-07-18 23:30:00"},
        {"minute up at 23:59", FromYmd(2030, 12, 31) + FromHms(23, 59, 0), Unit::Minute, 1, "2031-01-01 00:00:00"},
        {"hour down before the day value 0", FromHms(0, 30, 0), Unit::Hour, -1, "1899-12-29 23:30:00"},
        {"second down inside the hour",
         FromYmd(2002, 7, 19) + FromHms(14, 5, 9),
         Unit::Second,
         -1,
         "2002-07-19 14:05:08"},
    };
    for (const StepCase &c : cases) {
        const std::optional<date::Date> next = StepValue(SpinKind::Time, c.from, c.unit, c.step);
        ASSERT_TRUE(next.has_value()) << c.what;
        EXPECT_EQ(Text(*next), c.expected) << c.what;
    }
}

TEST(SpinSteps, ATimeStepPastTheEndsOfTheDateTypeIsNotTaken)
{
    const date::Date last = FromYmd(9999, 12, 31) + FromHms(23, 59, 59);
    EXPECT_FALSE(StepTime(last, Unit::Second, 1).has_value());
    EXPECT_EQ(Text(StepTime(last, Unit::Second, -1).value()), "9999-12-31 23:59:58");
    const date::Date first = FromYmd(100, 1, 1);
    EXPECT_FALSE(StepTime(first, Unit::Hour, -1).has_value());
    EXPECT_EQ(Text(StepTime(first, Unit::Hour, 1).value()), "0100-01-01 01:00:00");
}
