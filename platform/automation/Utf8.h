#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane
{

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) noexcept;

// What DecodeUtf8 answers for a byte that does not start a well-formed sequence: an overlong form,
// a surrogate, a code point above U+10FFFF, a stray continuation byte or a sequence cut short.
inline constexpr char32_t kInvalidUtf8 = 0xFFFFFFFF;

// Decodes the code point at `pos` and moves `pos` past it; a malformed sequence yields kInvalidUtf8
// and moves `pos` on by one byte only, so that decoding resumes at the next byte. pos < text.size().
char32_t DecodeUtf8(std::string_view text, std::size_t &pos) noexcept;

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
