#include "platform/date/DateArithmetic.h"
#include "platform/date/DateFormat.h"

#include <gtest/gtest.h>

using namespace corvane::date;

namespace
{

struct AddCase {
    Unit unit;
    long count;
    const char *from;
    const char *expected;
};

Date Parse(const char *text)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    std::sscanf(text, "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    return Join(DaysFromYmd(y, mo, d), h * 3600.0 + mi * 60.0 + s);
}

TEST(DateArithmetic, AddsEveryUnitWithCalendarSemantics)
{
    const AddCase cases[] = {
        {Unit::Month, 1, "2000-01-31 10:00:00", "2000-02-29 10:00:00"}, // clamped to the month end
        {Unit::Month, 1, "2001-01-31 00:00:00", "2001-02-28 00:00:00"},
        {Unit::Month, -1, "2002-03-31 00:00:00", "2002-02-28 00:00:00"},
        {Unit::Month, 13, "2002-07-19 00:00:00", "2003-08-19 00:00:00"},
        {Unit::Month, -19, "2002-07-19 00:00:00", "2000-12-19 00:00:00"},
        {Unit::Year, 1, "2000-02-29 12:00:00", "2001-02-28 12:00:00"},
        {Unit::Year, -100, "2000-02-29 00:00:00", "1900-02-28 00:00:00"},
        {Unit::Week, 2, "2002-12-25 08:00:00", "2003-01-08 08:00:00"},
        {Unit::Day, 1, "2000-02-28 23:00:00", "2000-02-29 23:00:00"},
        {Unit::Day, -1, "1899-12-30 06:00:00", "1899-12-29 06:00:00"}, // into negative serial numbers
        {Unit::Day, 2, "1899-12-28 06:00:00", "1899-12-30 06:00:00"},
        {Unit::Hour, 1, "2002-12-31 23:30:00", "2003-01-01 00:30:00"},
        {Unit::Hour, -7, "1899-12-30 06:00:00", "1899-12-29 23:00:00"},
        {Unit::Minute, -1, "2002-01-01 00:00:00", "2001-12-31 23:59:00"},
        {Unit::Second, 86400, "2002-07-19 10:30:15", "2002-07-20 10:30:15"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GeneralText(Add(c.unit, c.count, Parse(c.from))), c.expected) << c.from << " + " << c.count;
}

TEST(DateArithmetic, DifferencesCountWholeUnitsOfTheCalendar)
{
    EXPECT_EQ(Difference(Unit::Year, Parse("2001-12-31 23:59:59"), Parse("2002-01-01 00:00:00")), 1);
    EXPECT_EQ(Difference(Unit::Month, Parse("2001-12-31 00:00:00"), Parse("2002-01-01 00:00:00")), 1);
    EXPECT_EQ(Difference(Unit::Month, Parse("2002-07-19 00:00:00"), Parse("2001-05-01 00:00:00")), -14);
    EXPECT_EQ(Difference(Unit::Day, Parse("2002-07-19 23:00:00"), Parse("2002-07-20 01:00:00")), 1);
    EXPECT_EQ(Difference(Unit::Day, Parse("1899-12-29 18:00:00"), Parse("1899-12-30 06:00:00")), 1);
    EXPECT_EQ(Difference(Unit::Day, Parse("1900-01-01 00:00:00"), Parse("2000-01-01 00:00:00")), 36524);
    EXPECT_EQ(Difference(Unit::Hour, Parse("2002-07-19 23:30:00"), Parse("2002-07-20 01:00:00")), 1);
    EXPECT_EQ(Difference(Unit::Minute, Parse("2002-07-19 23:30:00"), Parse("2002-07-20 01:00:00")), 90);
}

} // namespace
