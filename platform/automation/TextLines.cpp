#include "TextLines.h"

namespace corvane
{

namespace
{

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

TextLines::TextLines(std::string_view text) noexcept
    : m_rest(text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text)
{
}

bool TextLines::Next(std::string_view &line) noexcept
{
    if (m_rest.empty())
        return false;
    ++m_number;
    const std::size_t end = m_rest.find_first_of("\r\n");
    line = m_rest.substr(0, end);
    if (end == std::string_view::npos) {
        m_rest = {};
        return true;
    }
    const bool crlf = m_rest[end] == '\r' && end + 1 < m_rest.size() && m_rest[end + 1] == '\n';
    m_rest.remove_prefix(end + (crlf ? 2 : 1));
    return true;
}

} // namespace corvane
