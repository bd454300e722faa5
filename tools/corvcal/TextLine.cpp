#include "TextLine.h"

#include "DisplayWidth.h"

#include <algorithm>

namespace corvane::corvcal
{

TextLine &TextLine::Add(std::string_view text)
{
    m_text += text;
    m_width += DisplayWidth(text);
    return *this;
}

TextLine &TextLine::Add(const TextLine &other)
{
    m_text += other.m_text;
    m_width += other.m_width;
    return *this;
}

TextLine &TextLine::AddEscape(std::string_view escape)
{
    m_text += escape;
    return *this;
}

TextLine &TextLine::PadTo(int column)
{
    if (column > m_width) {
        m_text.append(std::size_t(column - m_width), ' ');
        m_width = column;
    }
    return *this;
}

TextLine Centred(std::string_view text, int width)
{
    TextLine line;
    return line.PadTo((width - DisplayWidth(text)) / 2).Add(text);
}

TextBlock SideBySide(const std::vector<TextBlock> &blocks, int width, int gap)
{
    std::size_t height = 0;
    for (const TextBlock &block : blocks)
        height = std::max(height, block.size());
    TextBlock lines(height);
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const int left = int(b) * (width + gap);
        for (std::size_t i = 0; i < height; ++i) {
            lines[i].PadTo(left);
            if (i < blocks[b].size())
                lines[i].Add(blocks[b][i]);
        }
    }
    return lines;
}

void WriteLines(std::ostream &out, const TextBlock &lines)
{
    for (const TextLine &line : lines) {
        const std::string &text = line.Text();
        out << std::string_view(text).substr(0, text.find_last_not_of(' ') + 1) << '\n';
    }
}

} // namespace corvane::corvcal
