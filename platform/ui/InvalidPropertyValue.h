#pragma once

#include <string_view>

namespace corvane::ui
{

// Error 380, "Invalid property value": a setter or a loaded property set refuses a value outside the
// property's range. (The automation runtime's list of numbered errors does not have it yet.)
inline constexpr int kInvalidPropertyValue = 380;
[[noreturn]] void ThrowInvalidPropertyValue(std::string_view property);

} // namespace corvane::ui
