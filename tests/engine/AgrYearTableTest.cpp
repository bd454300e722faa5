#include "engine/AgrYearTable.h"

#include "EngineTestSupport.h"
#include "ErrorOf.h"
#include <gtest/gtest.h>

#include "platform/date/DateValue.h"

using namespace corvane::ModAgrCAl;

namespace
{

TEST(AgrYearTable, RowsReadAsTheListingSays)
{
    // 1900: "30;0100101101101;8"
    const AgrYearInfo &y1900 = AgrYear(1900);
    EXPECT_EQ(y1900.NewYearOffset, 30);
    EXPECT_EQ(y1900.LeapMonth, 8);
    const std::array<std::int8_t, 13> flags1900{0, 1, 0, 0, 1, 0, 1, 1, 0, 1, 1, 0, 1};
    EXPECT_EQ(y1900.MonthBig, flags1900);
    // 1901: "49;0100101011102;0" - the leading zero of the flags belongs to the field.
    const std::array<std::int8_t, 13> flags1901{0, 1, 0, 0, 1, 0, 1, 0, 1, 1, 1, 0, 2};
    EXPECT_EQ(AgrYear(1901).MonthBig, flags1901);
    EXPECT_EQ(AgrYear(1901).NewYearOffset, 49);
    EXPECT_EQ(AgrYear(1984).LeapMonth, 10); // "32;1011001001011;10"
    EXPECT_EQ(AgrYear(1984).NewYearOffset, 32);
    EXPECT_EQ(AgrYear(2031).NewYearOffset, 22); // "22;0110101101010;3"
    EXPECT_EQ(AgrYear(2031).LeapMonth, 3);
    // The computed rows go on from the listed ones: "41;1001011011012;0" and a leap 11th month in 2033.
    EXPECT_EQ(AgrYear(2032).NewYearOffset, 41);
    EXPECT_EQ(AgrYear(2033).LeapMonth, 11);
    EXPECT_EQ(AgrMonthDays(2033, 11, true), 29);
    EXPECT_EQ(AgrMonthDays(2033, 12, false), 30);
    EXPECT_EQ(AgrMonthDays(2033, 10, true), 0);
    EXPECT_EQ(AgrYear(2100).NewYearOffset, 39); // "39;1101010100102;0"
    EXPECT_EQ(AgrYearLength(2100), 354);
}

TEST(AgrYearTable, YearsOutsideTheTableAreSubscriptErrors)
{
    EXPECT_EQ(ErrorOf([&] { AgrYear(1899); }), 9);
    EXPECT_EQ(ErrorOf([&] { AgrYear(2101); }), 9);
    EXPECT_EQ(ErrorOf([&] { ExtraDaysBefore(2101, 1); }), 9);
    EXPECT_EQ(ErrorOf([&] { ExtraDaysBefore(2002, 14); }), 9);
    EXPECT_NO_THROW(AgrYear(1900));
    EXPECT_NO_THROW(AgrYear(2100));
}

// The invariants a reviewer can check against the listing, over every row, listed and computed.
TEST(AgrYearTable, EveryRowKeepsTheTableInvariants)
{
    int leapYears = 0;
    for (int year = kFirstAgrYear; year <= kLastAgrYear; ++year) {
        const AgrYearInfo &row = AgrYear(year);
        SCOPED_TRACE(year);
        EXPECT_EQ(row.MonthBig[12] == 2, row.LeapMonth == 0);
        const int slots = row.LeapMonth ? 13 : 12;
        int length = 0;
        for (int k = 0; k < slots; ++k) {
            EXPECT_TRUE(row.MonthBig[std::size_t(k)] == 0 || row.MonthBig[std::size_t(k)] == 1);
            length += 29 + row.MonthBig[std::size_t(k)];
        }
        EXPECT_EQ(AgrYearLength(year), length);
        EXPECT_GE(length, 353);
        EXPECT_LE(length, 385);
        if (year < kLastAgrYear) {
            const int gregorianDays = corvane::date::IsLeapYear(year) ? 366 : 365;
            EXPECT_EQ(AgrYear(year + 1).NewYearOffset, row.NewYearOffset + length - gregorianDays);
        }
        leapYears += row.LeapMonth != 0;
    }
    EXPECT_EQ(leapYears, 74); // 7 leap months in every 19 years: 49 in 1900-2031, 25 in 2032-2100
}

} // namespace
