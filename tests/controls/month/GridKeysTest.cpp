#include "controls/month/GridKeys.h"
#include "platform/date/DateValue.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::month;

TEST(GridKeys, EachKeyMovesByItsStep)
{
    const date::Date noon = date::FromHms(12, 0, 0);
    const auto day = [noon](int y, int m, int d) { return date::FromYmd(y, m, d) + noon; };
    const date::Date today = date::FromYmd(2002, 7, 19) + date::FromHms(9, 30, 0);
    struct Case {
        int key;
        int shift;
        date::Date from;
        GridKeyAction action;
        date::Date to;
    };
    using A = GridKeyAction;
    const Case cases[] = {
        {39, 0, day(2002, 2, 28), A::Move, day(2002, 3, 1)}, // Right
        {39, 2, day(2002, 2, 28), A::Move, day(2002, 3, 1)}, // Ctrl + Right moves like Right
        {37, 0, day(2002, 3, 1), A::Move, day(2002, 2, 28)}, // Left
        {40, 7, day(2002, 12, 30), A::Move, day(2003, 1, 6)}, // Down, any shift state
        {38, 0, day(2002, 1, 3), A::Move, day(2001, 12, 27)}, // Up
        {34, 0, day(2002, 1, 31), A::Move, day(2002, 2, 28)}, // Page Down keeps the day or takes the last
        {33, 0, day(2004, 3, 31), A::Move, day(2004, 2, 29)}, // Page Up
        {34, 1, day(2004, 2, 29), A::Move, day(2005, 2, 28)}, // Shift + Page Down: a year
        {33, 1, day(2002, 7, 19), A::Move, day(2001, 7, 19)},
        {34, 2, day(2002, 7, 19), A::None, 0}, // Ctrl + Page Down: nothing
        {33, 3, day(2002, 7, 19), A::None, 0},
        {36, 4, day(1990, 1, 1), A::Move, date::FromYmd(2002, 7, 19)}, // Home: today, no time
        {112, 0, day(2002, 7, 19), A::Help, 0}, // F1
        {65, 0, day(2002, 7, 19), A::None, 0}, // A
        {35, 0, day(2002, 7, 19), A::None, 0}, // End
    };
    for (const Case &c : cases) {
        const GridKeyResult result = GridKeyTarget(c.key, c.shift, c.from, today);
        EXPECT_EQ(result.action, c.action) << c.key << " " << c.shift;
        if (c.action == A::Move) {
            EXPECT_EQ(result.target, c.to) << c.key << " " << c.shift;
        }
    }
}
