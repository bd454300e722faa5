#pragma once

#include "OleColor.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/MemberInfo.h"

namespace corvane::ui
{

// The type of colour properties in member tables; they travel and are saved as 32-bit integers
// holding the OLE colour's bits.
inline constexpr TypeDesc kOleColorType{VarType::I4, "OLE_COLOR"};

// Checks of loaded values, in the shape property rows take: error 380 for a number that is no
// colour, or for a look (cApperance, cBorderStyle) other than 0 or 1.
inline void CheckColorValue(const OleColor &value, const char *)
{
    CheckOleColor(value);
}

inline void CheckLookValue(const std::int32_t &value, const char *name)
{
    if (value != 0 && value != 1)
        ThrowInvalidPropertyValue(name);
}

} // namespace corvane::ui
