#include "InvalidPropertyValue.h"

#include "platform/automation/AutomationError.h"

#include <string>

namespace corvane::ui
{

void ThrowInvalidPropertyValue(std::string_view property)
{
    throw AutomationError(kInvalidPropertyValue, "Invalid property value: " + std::string(property));
}

} // namespace corvane::ui
