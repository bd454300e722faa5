#pragma once

#include "OleColor.h"
#include "platform/automation/MemberInfo.h"
#include "platform/automation/Variant.h"

namespace corvane
{
class PropertyBag;
}

namespace corvane::ui
{

// Colours in property bags and variants: a 32-bit integer holding the OLE colour's bits.
Variant OleColorVariant(OleColor value);
// The type of colour properties in member tables.
inline constexpr TypeDesc kOleColorType{VarType::I4, "OLE_COLOR"};

// The colour stored under `key`, or `absent` when the key is not there; a value that is no colour is
// error 380 (invalid property value).
OleColor ReadOleColor(const PropertyBag &bag, const char *key, OleColor absent);

// Writes the colour under `key` unless it equals `defaultValue`.
void WriteOleColor(PropertyBag &bag, const char *key, OleColor value, OleColor defaultValue);

} // namespace corvane::ui
