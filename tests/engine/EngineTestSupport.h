#pragma once

#include "engine/AgrDate.h"
#include "platform/automation/AutomationError.h"

#include <ostream>

#include <gtest/gtest.h>

// Expects `statement` to raise the numbered automation error `number`.
#define EXPECT_AUTOMATION_ERROR(statement, expected)                                                                   \
    do {                                                                                                               \
        try {                                                                                                          \
            statement;                                                                                                 \
            ADD_FAILURE() << #statement " raised nothing, expected error " << (expected);                              \
        } catch (const corvane::AutomationError &error) {                                                              \
            EXPECT_EQ(error.number(), (expected)) << #statement;                                                       \
        }                                                                                                              \
    } while (false)

namespace corvane::ModAgrCAl
{
// Readable failure messages: lunar 2002 "6" day 10, slot 6.
inline void PrintTo(const AgrDate &date, std::ostream *os)
{
    *os << "lunar " << date.Year << " \"" << date.Month << "\" day " << date.Day << ", slot " << date.MonthSlot;
}
} // namespace corvane::ModAgrCAl
