#include "Utf8.h"

namespace corvane::corvcal
{

char32_t DecodeUtf8(std::string_view text, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length = 0;
    char32_t value = 0;
    char32_t least = 0; // the smallest code point the length may carry (shorter forms are overlong)
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        ++pos;
        return kInvalidUtf8;
    }
    if (text.size() - pos < std::size_t(length)) {
        ++pos;
        return kInvalidUtf8;
    }
    for (int i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + std::size_t(i)]);
        if ((byte & 0xC0) != 0x80) {
            ++pos;
            return kInvalidUtf8;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return kInvalidUtf8;
    }
    pos += std::size_t(length);
    return value;
}

} // namespace corvane::corvcal
