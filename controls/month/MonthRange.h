#pragma once

#include "engine/PublishedRange.h"

namespace corvane::month
{

// The month control shows and selects dates of the published years. The month scroll bar counts the
// months of that range: value = (year - 1901) * 12 + month, 1 for January 1901 to 1560 for December
// 2030.
inline constexpr int kFirstMonthValue = 1;
inline constexpr int kLastMonthValue = (ModAgrCAl::kLastPublishedYear - ModAgrCAl::kFirstPublishedYear + 1) * 12;

constexpr int MonthValueOf(int year, int month)
{
    return (year - ModAgrCAl::kFirstPublishedYear) * 12 + month;
}

} // namespace corvane::month
