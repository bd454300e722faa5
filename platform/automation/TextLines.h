#pragma once

#include <cstddef>
#include <string_view>

namespace corvane
{

// The lines of one of the runtime's text files (property bags, the registry), as editors on any
// system may have saved it: a UTF-8 byte-order mark before the first line is skipped, and "\r\n",
// "\n" and a lone "\r" each end a line.
class TextLines
{
public:
    explicit TextLines(std::string_view text) noexcept;

    // The next line, without its line end; false after the last. A final line end opens no empty
    // line after it.
    bool Next(std::string_view &line) noexcept;
    // The number of the line Next gave last, from 1.
    std::size_t Number() const noexcept { return m_number; }

private:
    std::string_view m_rest;
    std::size_t m_number = 0;
};

} // namespace corvane
