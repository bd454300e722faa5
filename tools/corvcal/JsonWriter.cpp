#include "JsonWriter.h"

#include "platform/automation/Utf8.h"

#include <cstdio>

namespace corvane::corvcal
{

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_started.empty()) {
        if (m_started.back())
            m_out += ',';
        m_started.back() = true;
    }
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    m_out += bracket;
    m_started.push_back(false);
}

void JsonWriter::Close(char bracket)
{
    m_out += bracket;
    m_started.pop_back();
}

JsonWriter &JsonWriter::BeginObject()
{
    Open('{');
    return *this;
}

JsonWriter &JsonWriter::EndObject()
{
    Close('}');
    return *this;
}

JsonWriter &JsonWriter::BeginArray()
{
    Open('[');
    return *this;
}

JsonWriter &JsonWriter::EndArray()
{
    Close(']');
    return *this;
}

JsonWriter &JsonWriter::Key(std::string_view name)
{
    BeforeValue();
    WriteString(name);
    m_out += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter &JsonWriter::String(std::string_view text)
{
    BeforeValue();
    WriteString(text);
    return *this;
}

JsonWriter &JsonWriter::Number(long long value)
{
    BeforeValue();
    m_out += std::to_string(value);
    return *this;
}

JsonWriter &JsonWriter::Bool(bool value)
{
    BeforeValue();
    m_out += value ? "true" : "false";
    return *this;
}

void JsonWriter::WriteString(std::string_view text)
{
    m_out += '"';
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t c = DecodeUtf8(text, pos);
        switch (c) {
        case '"':
            m_out += "\\\"";
            break;
        case '\\':
            m_out += "\\\\";
            break;
        case '\n':
            m_out += "\\n";
            break;
        case '\t':
            m_out += "\\t";
            break;
        case '\r':
            m_out += "\\r";
            break;
        case kInvalidUtf8:
            m_out += "\\ufffd";
            break;
        default:
            if (c < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(c));
                m_out += escape;
            } else {
                m_out.append(text.substr(start, pos - start));
            }
        }
    }
    m_out += '"';
}

} // namespace corvane::corvcal
