#pragma once

#include <string>
#include <string_view>

namespace corvane::stermgen
{

// Empty when the two texts are equal; otherwise a diff-like listing, line by line, of where the
// text on disk (named `actualName`) departs from the expected one.
std::string describeDifferences(std::string_view actualName, std::string_view actual, std::string_view expected);

} // namespace corvane::stermgen
