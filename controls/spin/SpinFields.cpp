#include "SpinFields.h"

#include <algorithm>
#include <climits>
#include <span>

namespace corvane::spin
{

namespace
{

using date::Unit;

struct FieldRow {
    int lastCaret; // the row holds the carets up to this one
    Unit unit;
};

// clang-format off
// Each field owns the carets in front of its digits, between them and right behind them.
constexpr FieldRow kDateFields[] = {
    {4,  Unit::Year},   // |2|0|0|2|年
    {7,  Unit::Month},  // 年|0|7|月
    {10, Unit::Day},    // 月|1|9|日
};
constexpr FieldRow kTimeFields[] = {
    {2,       Unit::Hour},   // |1|4|:
    {5,       Unit::Minute}, // :|0|5|:
    {INT_MAX, Unit::Second}, // :|0|9|
};
// clang-format on

// A date step with the caret behind the last character changes the year and leaves the caret
// inside the year.
constexpr int kDateCaretAfterEnd = 1;

} // namespace

FieldChoice FieldAt(SpinKind kind, int caret)
{
    caret = std::max(caret, 0);
    const auto rows = kind == SpinKind::Date ? std::span<const FieldRow>(kDateFields) : kTimeFields;
    for (const FieldRow &row : rows)
        if (caret <= row.lastCaret)
            return {row.unit, caret};
    return {Unit::Year, kDateCaretAfterEnd};
}

} // namespace corvane::spin
