#include "VariantLiteral.h"

#include "AutomationError.h"
#include "DateText.h"
#include "Utf8.h"
#include "VariantCoercion.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

namespace corvane
{

namespace
{

bool IsIdentStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsIdentChar(char c)
{
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}

} // namespace

bool IsLiteralName(std::string_view name) noexcept
{
    if (name.empty() || !IsIdentStart(name.front()))
        return false;
    for (char c : name)
        if (!IsIdentChar(c))
            return false;
    return true;
}

namespace
{

template<class T>
std::string ShortestText(T value)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void AppendQuoted(std::string &out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    out.push_back('"');
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\u00";
                out.push_back(kHex[c >> 4]);
                out.push_back(kHex[c & 0xF]);
            } else {
                out.push_back(ch);
            }
        }
    }
    out.push_back('"');
}

void AppendLiteral(std::string &out, const Variant &value)
{
    switch (value.Type()) {
    case VarType::Empty:
        out += "empty";
        return;
    case VarType::Missing:
        out += "missing";
        return;
    case VarType::I2:
        out += "i2:" + std::to_string(value.AsI2());
        return;
    case VarType::I4:
        out += std::to_string(value.AsI4());
        return;
    case VarType::R4:
        out += "r4:" + ShortestText(value.AsR4());
        return;
    case VarType::R8:
        out += "r8:" + ShortestText(value.AsR8());
        return;
    case VarType::Date:
        if (IsoDateRoundTrips(value.AsDate()))
            out += FormatIsoDate(value.AsDate());
        else
            out += "date:" + ShortestText(value.AsDate());
        return;
    case VarType::Bool:
        out += value.AsBool() ? "true" : "false";
        return;
    case VarType::String:
        AppendQuoted(out, value.AsString());
        return;
    case VarType::Record: {
        const Record &record = value.AsRecord();
        if (!record.TypeName().empty() && !IsLiteralName(record.TypeName()))
            throw AutomationError(ErrorNumber::InvalidCall,
                                  "Invalid procedure call or argument: record type name \""
                                      + PrintableText(record.TypeName().View()) + "\" is not an identifier");
        out += record.TypeName().View();
        out.push_back('{');
        bool first = true;
        for (const RecordField &field : record.Fields()) {
            if (!first)
                out += ", ";
            first = false;
            if (!field.name.empty()) {
                if (!IsLiteralName(field.name))
                    throw AutomationError(ErrorNumber::InvalidCall,
                                          "Invalid procedure call or argument: field name \""
                                              + PrintableText(field.name.View()) + "\" is not an identifier");
                out += field.name.View();
                out.push_back('=');
            }
            AppendLiteral(out, field.value);
        }
        out.push_back('}');
        return;
    }
    case VarType::Object:
        if (!value.AsObject()) {
            out += "nothing";
            return;
        }
        break;
    default:
        break;
    }
    throw AutomationError(ErrorNumber::TypeMismatch,
                          "Type mismatch: an " + std::string(TypeName(value.Type())) + " has no literal form");
}

class LiteralParser
{
public:
    explicit LiteralParser(std::string_view text)
        : m_text(text)
    {
    }

    Variant Whole()
    {
        SkipSpace();
        Variant value = Value();
        SkipSpace();
        if (m_pos != m_text.size())
            Fail("unexpected text");
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string &what) const
    {
        throw AutomationError(ErrorNumber::InvalidCall, what + " at column " + std::to_string(m_pos + 1));
    }

    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }

    void SkipSpace()
    {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t'))
            ++m_pos;
    }

    std::string_view Identifier()
    {
        const std::size_t start = m_pos;
        while (!AtEnd() && IsIdentChar(Peek()))
            ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    // The run of characters that can make up a number, up to a separator.
    std::string_view NumberToken()
    {
        const std::size_t start = m_pos;
        while (!AtEnd() && (IsIdentChar(Peek()) || Peek() == '.' || Peek() == '+' || Peek() == '-'))
            ++m_pos;
        if (start == m_pos)
            Fail("expected a number");
        return m_text.substr(start, m_pos - start);
    }

    Variant Value()
    {
        const char c = Peek();
        if (c == '"')
            return String();
        if (c == '{')
            return RecordBody(std::string());
        if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') {
            std::size_t length = 0;
            if (const auto date = ParseIsoDate(m_text.substr(m_pos), &length)) {
                m_pos += length;
                return Variant::FromDate(*date);
            }
            return BareNumber();
        }
        if (!IsIdentStart(c))
            Fail(AtEnd() ? "expected a value" : "unexpected character");
        const std::size_t wordStart = m_pos;
        const std::string_view word = Identifier();
        if (Peek() == ':')
            return Prefixed(word, wordStart);
        SkipSpace();
        if (Peek() == '{')
            return RecordBody(std::string(word));
        if (NamesEqual(word, "empty"))
            return Variant();
        if (NamesEqual(word, "missing"))
            return Variant::MissingArg();
        if (NamesEqual(word, "nothing"))
            return Variant::Nothing();
        if (NamesEqual(word, "true"))
            return true;
        if (NamesEqual(word, "false"))
            return false;
        m_pos = wordStart;
        Fail("unknown word \"" + std::string(word) + "\"");
    }

    Variant Prefixed(std::string_view prefix, std::size_t prefixStart)
    {
        ++m_pos; // ':'
        if (NamesEqual(prefix, "i2"))
            return std::int16_t(Integer(-32768, 32767, 0xFFFF));
        if (NamesEqual(prefix, "i4"))
            return std::int32_t(Integer(std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max(),
                                        0xFFFFFFFF));
        if (NamesEqual(prefix, "r4"))
            return Real<float>(true);
        if (NamesEqual(prefix, "r8"))
            return Real<double>(true);
        if (NamesEqual(prefix, "date")) {
            std::size_t length = 0;
            if (const auto date = ParseIsoDate(m_text.substr(m_pos), &length)) {
                m_pos += length;
                return Variant::FromDate(*date);
            }
            const std::size_t start = m_pos;
            const double days = Real<double>(false);
            try {
                return Variant::FromDate(ToDate(Variant(days)));
            } catch (const AutomationError &) {
                m_pos = start;
                Fail("date out of range");
            }
        }
        m_pos = prefixStart;
        Fail("unknown type prefix \"" + std::string(prefix) + ":\"");
    }

    // A decimal integer in [min, max], or a hexadecimal bit pattern up to mask (0x8000 as I2 is
    // -32768).
    std::int64_t Integer(std::int64_t min, std::int64_t max, std::uint64_t mask)
    {
        const std::size_t start = m_pos;
        std::string_view token = NumberToken();
        if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
            std::uint64_t bits = 0;
            const auto [end, ec] = std::from_chars(token.data() + 2, token.data() + token.size(), bits, 16);
            if (ec != std::errc() || end != token.data() + token.size() || bits > mask) {
                m_pos = start;
                Fail("bad hexadecimal number");
            }
            const std::uint64_t sign = (mask >> 1) + 1;
            return bits & sign ? std::int64_t(bits) - std::int64_t(mask) - 1 : std::int64_t(bits);
        }
        if (!token.empty() && token.front() == '+')
            token.remove_prefix(1);
        std::int64_t value = 0;
        const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
        if (ec == std::errc::result_out_of_range || (ec == std::errc() && (value < min || value > max))) {
            m_pos = start;
            Fail("value out of range");
        }
        if (ec != std::errc() || end != token.data() + token.size()) {
            m_pos = start;
            Fail("bad integer");
        }
        return value;
    }

    // Read in the target's own precision: a decimal rounded to double first and then to float can
    // land on a different float (and FLT_MAX's shortest text lies above the double FLT_MAX).
    template<class T>
    T Real(bool allowSpecial)
    {
        const std::size_t start = m_pos;
        std::string_view token = NumberToken();
        if (!token.empty() && token.front() == '+')
            token.remove_prefix(1);
        T value = 0;
        const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
        if (ec != std::errc() || end != token.data() + token.size() || (!allowSpecial && !std::isfinite(value))) {
            m_pos = start;
            if (ec != std::errc::result_out_of_range)
                Fail("bad number");
            Fail(std::is_same_v<T, float> ? "value out of range for R4" : "value out of range");
        }
        return value;
    }

    Variant BareNumber()
    {
        const std::size_t start = m_pos;
        const std::string_view token = NumberToken();
        m_pos = start;
        if (token.find_first_of(".eE") != std::string_view::npos)
            return Real<double>(false);
        std::string_view digits = token.front() == '+' ? token.substr(1) : token;
        std::int64_t value = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (ec == std::errc() && end == digits.data() + digits.size()
            && value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()) {
            m_pos += token.size();
            return std::int32_t(value);
        }
        return Real<double>(false);
    }

    unsigned HexQuad()
    {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            unsigned digit = 0;
            if (c >= '0' && c <= '9')
                digit = unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                digit = unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                digit = unsigned(c - 'A' + 10);
            else
                Fail("expected four hexadecimal digits after \\u");
            value = value * 16 + digit;
            ++m_pos;
        }
        return value;
    }

    Variant String()
    {
        const std::size_t open = m_pos++;
        std::string text;
        std::size_t rawStart = m_pos;
        const auto flushRaw = [&] {
            const std::string_view raw = m_text.substr(rawStart, m_pos - rawStart);
            if (!IsValidUtf8(raw)) {
                m_pos = rawStart;
                Fail("text is not valid UTF-8");
            }
            text += raw;
        };
        while (true) {
            if (AtEnd()) {
                m_pos = open;
                Fail("unterminated text");
            }
            const char c = Peek();
            if (c == '"') {
                flushRaw();
                ++m_pos;
                return Variant(std::move(text));
            }
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("control character in text");
            if (c != '\\') {
                ++m_pos;
                continue;
            }
            flushRaw();
            ++m_pos;
            const char e = Peek();
            ++m_pos;
            switch (e) {
            case '"':
                text.push_back('"');
                break;
            case '\\':
                text.push_back('\\');
                break;
            case 'n':
                text.push_back('\n');
                break;
            case 'r':
                text.push_back('\r');
                break;
            case 't':
                text.push_back('\t');
                break;
            case 'u': {
                char32_t code = HexQuad();
                if (code >= 0xD800 && code <= 0xDBFF) {
                    if (Peek() != '\\' || m_pos + 1 >= m_text.size() || m_text[m_pos + 1] != 'u')
                        Fail("unpaired surrogate");
                    m_pos += 2;
                    const char32_t low = HexQuad();
                    if (low < 0xDC00 || low > 0xDFFF)
                        Fail("unpaired surrogate");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code <= 0xDFFF) {
                    Fail("unpaired surrogate");
                }
                AppendUtf8(text, code);
                break;
            }
            default:
                m_pos -= 2;
                Fail("unknown escape");
            }
            rawStart = m_pos;
        }
    }

    Variant RecordBody(std::string type)
    {
        if (m_depth == kMaxRecordDepth)
            Fail("records nested deeper than " + std::to_string(kMaxRecordDepth) + " levels");
        const DepthScope nested(m_depth);
        ++m_pos; // '{'
        Record record(std::move(type));
        SkipSpace();
        if (Peek() == '}') {
            ++m_pos;
            return Variant(std::move(record));
        }
        while (true) {
            SkipSpace();
            std::string name;
            if (IsIdentStart(Peek())) {
                const std::size_t start = m_pos;
                const std::string_view word = Identifier();
                SkipSpace();
                if (Peek() == '=') {
                    ++m_pos;
                    SkipSpace();
                    name = word;
                } else {
                    m_pos = start;
                }
            }
            record.Add(std::move(name), Value());
            SkipSpace();
            if (Peek() == ',') {
                ++m_pos;
                continue;
            }
            if (Peek() == '}') {
                ++m_pos;
                return Variant(std::move(record));
            }
            Fail("expected ',' or '}'");
        }
    }

    // Counts a record level for as long as its body is read.
    struct DepthScope {
        explicit DepthScope(int &depth)
            : depth(++depth)
        {
        }
        ~DepthScope() { --depth; }
        int &depth;
    };

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_depth = 0;
};

} // namespace

std::string FormatLiteral(const Variant &value)
{
    std::string out;
    AppendLiteral(out, value);
    return out;
}

Variant ParseLiteral(std::string_view text)
{
    return LiteralParser(text).Whole();
}

} // namespace corvane
