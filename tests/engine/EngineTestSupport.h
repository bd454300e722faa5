#pragma once

#include "engine/AgrDate.h"

#include <ostream>

namespace corvane::ModAgrCAl
{
// Readable failure messages: lunar 2002 "6" day 10, slot 6.
inline void PrintTo(const AgrDate &date, std::ostream *os)
{
    *os << "lunar " << date.Year << " \"" << date.Month << "\" day " << date.Day << ", slot " << date.MonthSlot;
}
} // namespace corvane::ModAgrCAl
