#pragma once

#include "platform/automation/AutomationError.h"

#include <array>
#include <string_view>

namespace corvane::ModAgrCAl
{

// A fixed UTF-8 string split into its characters at compile time, for picking a character by its
// 1-based position; a position outside the string is error 5 (invalid procedure call or argument).
template<std::size_t N>
class CharTable
{
public:
    consteval explicit CharTable(std::string_view text)
    {
        std::size_t offset = 0;
        for (std::size_t i = 0; i < N; ++i) {
            const auto lead = static_cast<unsigned char>(text[offset]);
            const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 4;
            m_chars[i] = text.substr(offset, length);
            offset += length;
        }
        if (offset != text.size())
            throw "the text has more characters than the table";
    }

    constexpr std::string_view operator[](int position) const
    {
        if (position < 1 || position > int(N))
            throw AutomationError(ErrorNumber::InvalidCall);
        return m_chars[std::size_t(position - 1)];
    }

    static constexpr int size() { return int(N); }

private:
    std::array<std::string_view, N> m_chars{};
};

} // namespace corvane::ModAgrCAl
