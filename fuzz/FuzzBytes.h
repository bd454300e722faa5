#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// Reads fuzz input front to back; once it runs out every read gives zeros, so any input decodes.
class FuzzBytes
{
public:
    FuzzBytes(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool Empty() const noexcept { return m_pos >= m_size; }
    std::uint8_t Byte() noexcept { return m_pos < m_size ? m_data[m_pos++] : 0; }
    bool Flag() noexcept { return Byte() & 1; }
    // [0, n), n > 0.
    std::size_t Below(std::size_t n) noexcept { return Byte() % n; }

    template<class T>
    T Value() noexcept
    {
        unsigned char raw[sizeof(T)] = {};
        for (unsigned char &b : raw)
            b = Byte();
        T value;
        std::memcpy(&value, raw, sizeof value);
        return value;
    }

    // Up to maxLength bytes, as they come (not necessarily UTF-8, possibly with NULs).
    std::string Bytes(std::size_t maxLength)
    {
        const std::size_t length = Below(maxLength + 1);
        std::string text;
        for (std::size_t i = 0; i < length && !Empty(); ++i)
            text.push_back(char(Byte()));
        return text;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};
