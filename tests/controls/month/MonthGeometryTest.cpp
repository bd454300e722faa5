#include "controls/month/MonthGeometry.h"

#include <gtest/gtest.h>

using namespace corvane::month;

TEST(MonthGeometry, CellsShareTheGridLessOnePixel)
{
    EXPECT_EQ(ComputeCellSize(4365, 2295, 15, 15), (CellSize{621, 380}));
    // At 120 dpi the grid is 364 x 191 pixels of 12 twips.
    EXPECT_EQ(ComputeCellSize(364 * 12, 191 * 12, 12, 12), (CellSize{622, 380}));
}

// March 2003: 31 days from a Saturday fill all six rows; February 2015: 28 days from a Sunday use
// exactly four.
static_assert(PlaceDay(6, 1) == GridPosition{6, 0} && PlaceDay(6, 31) == GridPosition{1, 5});
static_assert(PlaceDay(0, 28) == GridPosition{6, 3});

TEST(MonthGeometry, DaysFillTheWeeksFromTheWeekdayOfTheFirst)
{
    EXPECT_EQ(FirstDayOffset(2003, 3), 6);
    EXPECT_EQ(FirstDayOffset(2015, 2), 0);
}

TEST(MonthGeometry, ThePointerIsOnADayOnlyInsideTheMonthsCells)
{
    const CellSize cell{621, 380};
    struct Case {
        double x;
        double y;
        int day;
    };
    // July 2002: 31 days from a Monday (offset 1).
    const Case cases[] = {
        {700, 10, 1}, // the 1st
        {0, 0, 0}, // the Sunday before the 1st
        {620.4, 10, 0}, // rounds to 620: still Sunday
        {620.5, 10, 0}, // rounds to 620 too (ties to even)
        {620.6, 10, 1}, // rounds to 621: Monday
        {3 * 621, 4 * 380, 31}, // the 31st
        {4346, 2279, 0}, // the last cell, after the 31st
        {4347, 10, 0}, // the uncovered strip at the right
        {700, 2280, 0}, // below the sixth row
        {-1, 10, 0}, // outside
    };
    for (const Case &c : cases)
        EXPECT_EQ(HitTestDay(c.x, c.y, cell, 1, 31), c.day) << c.x << "," << c.y;
}
