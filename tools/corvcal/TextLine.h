#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::corvcal
{

// A line of terminal text that keeps count of the columns it takes, so that text can be placed at a
// column and lines set side by side whatever characters and escapes they hold.
class TextLine
{
public:
    // Visible text; it takes DisplayWidth(text) columns.
    TextLine &Add(std::string_view text);
    // Another line's text, taking its columns.
    TextLine &Add(const TextLine &other);
    // A terminal escape sequence; it takes no column.
    TextLine &AddEscape(std::string_view escape);
    // Spaces up to `column` (nothing when the line already reaches it).
    TextLine &PadTo(int column);

    int Width() const { return m_width; }
    const std::string &Text() const { return m_text; }

private:
    std::string m_text;
    int m_width = 0;
};

using TextBlock = std::vector<TextLine>;

// A line holding `text` centred in `width` columns (spaces before it only).
TextLine Centred(std::string_view text, int width);

// Sets blocks side by side: each block's lines padded to `width` columns, `gap` columns between the
// blocks; a block shorter than the others is continued with blank lines.
TextBlock SideBySide(const std::vector<TextBlock> &blocks, int width, int gap);

// Writes the lines, each without its trailing spaces and followed by a newline.
void WriteLines(std::ostream &out, const TextBlock &lines);

} // namespace corvane::corvcal
