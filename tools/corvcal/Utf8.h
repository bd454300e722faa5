#pragma once

#include <cstddef>
#include <string_view>

namespace corvane::corvcal
{

// What DecodeUtf8 answers for a byte that does not start a well-formed sequence: an overlong form,
// a surrogate, a code point above U+10FFFF, a stray continuation byte or a sequence cut short.
inline constexpr char32_t kInvalidUtf8 = 0xFFFFFFFF;

// Decodes the code point at `pos` and moves `pos` past it; a malformed sequence yields kInvalidUtf8
// and moves `pos` on by one byte only, so that decoding resumes at the next byte. pos < text.size().
char32_t DecodeUtf8(std::string_view text, std::size_t &pos);

} // namespace corvane::corvcal
