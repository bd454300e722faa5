#pragma once

#include "PropertyBag.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane
{

// The text form of a property bag: UTF-8, one "Key = value" line per entry in bag order, values in
// the literal syntax of VariantLiteral.h; blank lines and lines starting with '#' are skipped.
//
//     # Corvane property bag
//     CurrDate = 2002-07-19
//     ForeColor = -2147483630
//     Font = StdFont{Name="宋体", Size=r4:9, Bold=false, Italic=false}

std::string FormatPropertyBag(const PropertyBag &bag);

// A malformed text (no '=', a bad key, a repeated key, a bad value, invalid UTF-8) is error 321 whose
// description names the line.
PropertyBag ParsePropertyBag(std::string_view text);

// Replaces bag's content with the file's. On any error (53 missing file, 75 unreadable, 321
// malformed) bag is left as it was.
void LoadPropertyBag(PropertyBag &bag, const std::filesystem::path &path);

// Writes the file through a temporary beside it, so a failed save (75) leaves any earlier file whole.
void SavePropertyBag(const PropertyBag &bag, const std::filesystem::path &path);

} // namespace corvane
