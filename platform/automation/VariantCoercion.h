#pragma once

#include "Variant.h"

#include <cstdint>
#include <string>

namespace corvane
{

// Conversions between variant types by the automation rules:
// - numbers, dates and booleans convert into each other; true is -1, any non-zero value is true;
// - a real becomes an integer by rounding half to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2);
// - a value outside the target's range is error 6 (dates: years 100 to 9999);
// - strings convert to numbers when they hold a decimal number ("  12.5 "), to booleans when they
//   hold "True"/"False" (any case) or a number, to dates when they hold an ISO date;
// - numbers become their shortest round-trip text, booleans "True"/"False", dates their ISO text;
// - empty converts to zero, false, the zero date or "";
// - everything else (missing, records and objects into anything but themselves) is error 13.
// A by-reference variant converts its target.
std::int16_t ToI2(const Variant &value);
std::int32_t ToI4(const Variant &value);
float ToR4(const Variant &value);
double ToR8(const Variant &value);
double ToDate(const Variant &value);
bool ToBool(const Variant &value);
std::string ToString(const Variant &value);

// The value as a new variant of the given type (VarType::Variant: an unchanged by-value copy).
Variant ChangeType(const Variant &value, VarType type);

// The argument converted, or fallback when the caller left it out (the argument is Missing).
std::int16_t ValueOr(const Variant &arg, std::int16_t fallback);
std::int32_t ValueOr(const Variant &arg, std::int32_t fallback);
float ValueOr(const Variant &arg, float fallback);
double ValueOr(const Variant &arg, double fallback);
bool ValueOr(const Variant &arg, bool fallback);
std::string ValueOr(const Variant &arg, std::string fallback);
double DateOr(const Variant &arg, double fallback);

// Loose equality, the rule for comparing a value with its default: numbers, dates and booleans
// compare by numeric value across types (I2 1 equals I4 1, true equals -1), strings exactly, records
// by type name and field by field, objects by identity; no other mix is equal.
bool ValuesEqual(const Variant &a, const Variant &b);

// Half-to-even rounding of a real to an integer of the given range; error 6 outside it.
std::int64_t RoundToInteger(double value, std::int64_t min, std::int64_t max);

} // namespace corvane
