#pragma once

#include "platform/automation/MemberInfo.h"

namespace corvane::ui
{

// The parameters of the key and mouse events every control raises for its own surface; all by
// reference, so a host may change them. x and y are twips.
inline constexpr ParamInfo kKeyEventParams[] = {{"KeyCode", types::I2, kByRef}, {"Shift", types::I2, kByRef}};
inline constexpr ParamInfo kKeyAsciiEventParams[] = {{"KeyAscii", types::I2, kByRef}};
inline constexpr ParamInfo kMouseEventParams[] = {{"Button", types::I2, kByRef},
                                                  {"Shift", types::I2, kByRef},
                                                  {"x", types::R4, kByRef},
                                                  {"y", types::R4, kByRef}};

} // namespace corvane::ui
