#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::corvcal
{

// Writes compact JSON into a string. The caller nests objects and arrays properly and names every
// value inside an object with Key; the writer places the commas and colons and escapes strings:
// quote, backslash and control characters, and a malformed UTF-8 byte becomes U+FFFD, so the output
// is valid JSON whatever text it is given.
class JsonWriter
{
public:
    explicit JsonWriter(std::string &out)
        : m_out(out)
    {
    }

    JsonWriter &BeginObject();
    JsonWriter &EndObject();
    JsonWriter &BeginArray();
    JsonWriter &EndArray();
    JsonWriter &Key(std::string_view name);
    JsonWriter &String(std::string_view text);
    JsonWriter &Number(long long value);
    JsonWriter &Bool(bool value);

    // Key and value in one call.
    JsonWriter &Field(std::string_view name, std::string_view text) { return Key(name).String(text); }
    JsonWriter &Field(std::string_view name, const char *text) { return Key(name).String(text); }
    JsonWriter &Field(std::string_view name, int value) { return Key(name).Number(value); }
    JsonWriter &Field(std::string_view name, bool value) { return Key(name).Bool(value); }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void WriteString(std::string_view text);

    std::string &m_out;
    std::vector<bool> m_started; // per open container: whether it holds an item yet
    bool m_afterKey = false;
};

// Prints the JSON document `write` makes with the writer it is given, as one line.
template<typename Write>
void PrintJson(std::ostream &out, Write write)
{
    std::string text;
    JsonWriter json(text);
    write(json);
    out << text << '\n';
}

} // namespace corvane::corvcal
