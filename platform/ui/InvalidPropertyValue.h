#pragma once

#include "platform/automation/AutomationError.h"

namespace corvane::ui
{

// Error 380, "Invalid property value": a setter or a loaded property set refuses a value outside the
// property's range.
inline constexpr int kInvalidPropertyValue = int(ErrorNumber::InvalidPropertyValue);
using corvane::ThrowInvalidPropertyValue;

} // namespace corvane::ui
