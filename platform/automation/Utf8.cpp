#include "Utf8.h"

#include <algorithm>

namespace corvane
{

namespace
{

constexpr char kHex[] = "0123456789abcdef";

// "\xNN" into out (4 bytes).
void PutByteEscape(char *out, unsigned char byte) noexcept
{
    out[0] = '\\';
    out[1] = 'x';
    out[2] = kHex[byte >> 4];
    out[3] = kHex[byte & 0xF];
}

} // namespace

char32_t DecodeUtf8(std::string_view text, std::size_t &pos) noexcept
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

std::size_t Utf8CharLength(std::string_view text) noexcept
{
    if (text.empty())
        return 0;
    std::size_t pos = 0;
    return DecodeUtf8(text, pos) == kInvalidUtf8 ? 0 : pos;
}

bool IsValidUtf8(std::string_view text) noexcept
{
    while (!text.empty()) {
        const std::size_t length = Utf8CharLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes) noexcept
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t cut = maxBytes;
    // Back off continuation bytes so the cut lands before the start of a character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut);
}

std::size_t CopyAsUtf8(char *out, std::size_t room, std::string_view text) noexcept
{
    std::size_t written = 0;
    while (!text.empty()) {
        const std::size_t length = Utf8CharLength(text);
        const std::size_t needed = length ? length : 4;
        if (room - written < needed)
            break;
        if (length)
            std::copy_n(text.data(), length, out + written);
        else
            PutByteEscape(out + written, static_cast<unsigned char>(text.front()));
        written += needed;
        text.remove_prefix(length ? length : 1);
    }
    return written;
}

std::string PrintableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = Utf8CharLength(text);
        const auto byte = static_cast<unsigned char>(text.front());
        if (length > 1 || (length == 1 && byte >= 0x20 && byte != 0x7F)) {
            out.append(text.data(), length);
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte == '\r') {
            out += "\\r";
        } else {
            char escape[4];
            PutByteEscape(escape, byte);
            out.append(escape, 4);
        }
        text.remove_prefix(length ? length : 1);
    }
    return out;
}

} // namespace corvane
