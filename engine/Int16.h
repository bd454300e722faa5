#pragma once

#include "platform/automation/AutomationError.h"

#include <cstdint>

namespace corvane::ModAgrCAl
{

// The engine computes with 16-bit integers: a value outside [-32768, 32767] is error 6 (overflow).
inline std::int16_t Int16(long value)
{
    if (value < INT16_MIN || value > INT16_MAX)
        throw AutomationError(ErrorNumber::Overflow);
    return std::int16_t(value);
}

} // namespace corvane::ModAgrCAl
