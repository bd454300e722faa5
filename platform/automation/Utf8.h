#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane
{

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) noexcept;

void AppendUtf8(std::string &out, char32_t codePoint);

// The longest prefix of at most maxBytes bytes that does not split a character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes) noexcept;

} // namespace corvane
