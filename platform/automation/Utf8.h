#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane
{

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) noexcept;

// The length in bytes of the valid character text starts with; 0 when it starts with a byte that
// begins no valid character (or text is empty).
std::size_t Utf8CharLength(std::string_view text) noexcept;

void AppendUtf8(std::string &out, char32_t codePoint);

// The longest prefix of at most maxBytes bytes that does not split a character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes) noexcept;

// Copies text into out[0, room) as valid UTF-8, each byte that begins no valid character written as
// \xNN, stopping before a character or escape that does not fit; returns the bytes written (no NUL).
std::size_t CopyAsUtf8(char *out, std::size_t room, std::string_view text) noexcept;

// Text of unknown origin (a ProgID, a member name, a path) as an error message quotes it: always
// valid UTF-8 and one line. Bytes that are not UTF-8 and control characters become escapes (\xFF,
// \n, \t, \r, \x1b); everything else is kept.
std::string PrintableText(std::string_view text);

} // namespace corvane
