#pragma once

#include <string_view>

namespace corvane::corvcal
{

// Terminal columns, as wcwidth counts them, but from our own tables so that the layout does not
// depend on the locale of the machine it runs on.

// -1 for a control character (C0, DEL, C1), 0 for NUL, combining marks, zero-width and format
// characters of Latin, Cyrillic, Hangul and CJK text, 2 for East Asian Wide and Fullwidth characters
// (CJK ideographs and punctuation, Hangul syllables, fullwidth forms, emoji), 1 otherwise. Marks of
// other scripts count 1: corvcal prints none.
int CodepointWidth(char32_t c);

// The columns a UTF-8 text takes: the sum of its characters' widths, control characters counting 0
// and each byte of a malformed sequence 1 (a terminal shows it as one replacement character).
int DisplayWidth(std::string_view text);

} // namespace corvane::corvcal
