#pragma once

#include "Variant.h"

#include <string>
#include <string_view>

namespace corvane
{

// The typed text of a variant, shared by property-bag files and the tools' command lines:
//
//   empty   missing   nothing (no object)   true   false
//   i2:5   i4:-7   i4:0x80000005 (a 32-bit pattern)   r4:1.5   r8:1e-3   r8:inf
//   5 (an I4; too big for one, an R8)   1.5 (an R8)
//   2002-07-19   2002-07-19T10:30   2002-07-19T10:30:15   date:37456.4375 (any date value)
//   "text"  with the escapes \" \\ \n \r \t \uXXXX; other text is UTF-8 as it is
//   QxAgrDateNum{AgrFactYear=i2:2001, AgrMonth=i2:4}   QxAgrDateNum{2001, 4, 1, -1, 0} (positional)
//
// Keywords and prefixes ignore case. Formatting gives the one canonical spelling that parses back to
// an identical variant (same type, same bits; NaN stays NaN). Every finite R4 and R8 is written as
// its shortest text that reads back to the same value, and r4: text is read straight to single
// precision (never rounded twice through a double).

// How deep records may nest in a literal: T{U{1}} is two levels. Saved objects and the published
// records need two or three; the bound keeps a hostile text from exhausting the stack.
inline constexpr int kMaxRecordDepth = 32;

// Whether a record type or field name can be written in a literal (an identifier).
bool IsLiteralName(std::string_view name) noexcept;

// Error 13 for an object other than "no object", error 5 for a record field name that is not an
// identifier.
std::string FormatLiteral(const Variant &value);

// Parses the whole text. A syntax error, and records nested deeper than kMaxRecordDepth, are error 5
// with a description naming the column (in bytes, from 1).
Variant ParseLiteral(std::string_view text);

} // namespace corvane
