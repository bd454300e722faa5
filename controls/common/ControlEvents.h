#pragma once

#include "platform/automation/MemberInfo.h"

namespace corvane::ui
{

// The events the visual controls share, with their dispatch ids; all arguments are by reference.
enum StandardEvent : DispId {
    kClick = 1,
    kDblClick = 2,
    kKeyDown = 3, // (KeyCode, Shift)
    kKeyPress = 4, // (KeyAscii)
    kKeyUp = 5, // (KeyCode, Shift)
    kMouseDown = 6, // (Button, Shift, x, y)
    kMouseMove = 7,
    kMouseUp = 8,
    kChange = 9,
};

// The parameters of the key and mouse events every control raises for its own surface; all by
// reference, so a host may change them. x and y are twips.
inline constexpr ParamInfo kKeyEventParams[] = {{"KeyCode", types::I2, kByRef}, {"Shift", types::I2, kByRef}};
inline constexpr ParamInfo kKeyAsciiEventParams[] = {{"KeyAscii", types::I2, kByRef}};
inline constexpr ParamInfo kMouseEventParams[] = {{"Button", types::I2, kByRef},
                                                  {"Shift", types::I2, kByRef},
                                                  {"x", types::R4, kByRef},
                                                  {"y", types::R4, kByRef}};

} // namespace corvane::ui
