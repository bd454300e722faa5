#include "controls/month/MonthRange.h"
#include "platform/date/DateFormat.h"
#include "platform/date/DateValue.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::month;

TEST(MonthRange, AssignedDatesAreHeldToTheSupportedYears)
{
    const auto at = [](int y, int m, int d, int h, int min) {
        return date::FromYmd(y, m, d) + date::FromHms(h, min, 0);
    };
    struct Case {
        date::Date given;
        date::Date stored;
    };
    const Case cases[] = {
        {at(2040, 5, 17, 14, 30), date::FromYmd(2030, 5, 17)}, // above: year replaced, time dropped
        {date::FromYmd(1896, 2, 29), date::FromYmd(1901, 3, 1)}, // 1901 has no 29 February
        {at(2002, 6, 10, 8, 15), at(2002, 6, 10, 8, 15)}, // inside: kept with its time
        {at(1901, 1, 1, 0, 0), at(1901, 1, 1, 0, 0)},
        {at(2030, 12, 31, 23, 59), at(2030, 12, 31, 23, 59)},
        {date::FromYmd(2031, 1, 1), date::FromYmd(2030, 1, 1)},
        {date::FromYmd(1900, 12, 31), date::FromYmd(1901, 12, 31)},
        {0.0, date::FromYmd(1901, 12, 30)}, // the zero date is 1899-12-30
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClampToSupportedYears(c.given), c.stored) << date::GeneralText(c.given);
    EXPECT_EQ(MonthValueOf(1901, 1), kFirstMonthValue);
    EXPECT_EQ(MonthValueOf(2030, 12), kLastMonthValue);
    EXPECT_EQ(kLastMonthValue, 1560);
}
