#include "controls/spin/SpinFields.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::spin;
using date::Unit;

namespace
{

struct Row {
    int caret;
    Unit unit;
    int caretAfter;
};

void Check(SpinKind kind, std::initializer_list<Row> rows)
{
    for (const Row &row : rows)
        EXPECT_EQ(FieldAt(kind, row.caret), (FieldChoice{row.unit, row.caretAfter})) << "caret " << row.caret;
}

} // namespace

TEST(SpinFields, TheDateCaretChoosesYearMonthOrDayAndTheEndMeansTheYear)
{
    // 2002年07月19日: the caret positions run from 0 (before the 2) to 11 (after 日).
    Check(SpinKind::Date,
          {
              {0, Unit::Year, 0},
              {4, Unit::Year, 4},
              {5, Unit::Month, 5},
              {7, Unit::Month, 7},
              {8, Unit::Day, 8},
              {10, Unit::Day, 10},
              {11, Unit::Year, 1},
              {-1, Unit::Year, 0},
          });
}

TEST(SpinFields, TheTimeCaretChoosesHoursMinutesOrSecondsAndStays)
{
    // 14:05:09: the caret positions run from 0 to 8.
    Check(SpinKind::Time,
          {
              {0, Unit::Hour, 0},
              {2, Unit::Hour, 2},
              {3, Unit::Minute, 3},
              {5, Unit::Minute, 5},
              {6, Unit::Second, 6},
              {8, Unit::Second, 8},
          });
}
