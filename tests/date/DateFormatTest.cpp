#include "platform/date/DateFormat.h"

#include <gtest/gtest.h>

using namespace corvane::date;

namespace
{

TEST(DateFormat, FormatsTheSystemsPatterns)
{
    const Date d = FromYmd(2002, 7, 9) + FromHms(8, 5, 3);
    EXPECT_EQ(Format(d, kChineseDatePattern), "2002年07月09日");
    EXPECT_EQ(Format(d, kTimePattern), "08:05:03");
    EXPECT_EQ(GeneralText(d), "2002-07-09 08:05:03");
    EXPECT_EQ(Format(FromYmd(1901, 1, 1), kChineseDatePattern), "1901年01月01日");
    EXPECT_EQ(GeneralText(-1.25), "1899-12-29 06:00:00");
}

TEST(DateFormat, NeverPrintsTwentyFourOClock)
{
    const Date d = FromYmd(2002, 7, 19) + (86400.0 - 0.0001) / 86400.0;
    EXPECT_EQ(GeneralText(d), "2002-07-20 00:00:00");
    EXPECT_EQ(Format(FromYmd(2002, 12, 31) + 0.99999999, kChineseDatePattern), "2003年01月01日");
}

struct NumberCase {
    long value;
    const char *pattern;
    const char *expected;
};

TEST(DateFormat, FormatsNumbersWithDigitPlaces)
{
    const NumberCase cases[] = {
        {7, "00", "07"},
        {12, "00", "12"},
        {123, "00", "123"},
        {1, "0000", "0001"},
        {2026, "00时00分", "20时26分"},
        {1, "00时00分", "00时01分"},
        {0, "00时00分", "00时00分"},
        {308, "00时00分", "03时08分"},
        {12345, "00时00分", "123时45分"},
        {-5, "00", "-05"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

} // namespace
