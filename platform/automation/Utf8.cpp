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

std::size_t Utf8CharLength(std::string_view text) noexcept
{
    if (text.empty())
        return 0;
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((c & 0xE0) == 0xC0) {
        length = 2;
        code = c & 0x1F;
        minimum = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3;
        code = c & 0x0F;
        minimum = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        length = 4;
        code = c & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
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
