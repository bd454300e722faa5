#pragma once

#include "engine/PublishedRange.h"

namespace corvane::month
{

// The month control shows and selects dates of a span of years: the published years unless its owner
// opens another span of the engine's years. The month scroll bar counts the months of that span:
// value = (year - first) * 12 + month, 1 for January of the first year, 1560 for December 2030 in
// the published years.
inline constexpr int kFirstMonthValue = 1;

constexpr int LastMonthValue(date::YearRange years = ModAgrCAl::kPublishedYears)
{
    return (years.last - years.first + 1) * 12;
}

inline constexpr int kLastMonthValue = LastMonthValue();

constexpr int MonthValueOf(int year, int month, date::YearRange years = ModAgrCAl::kPublishedYears)
{
    return (year - years.first) * 12 + month;
}

} // namespace corvane::month
