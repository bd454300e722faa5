#include "PropertyBagFile.h"

#include "AutomationError.h"
#include "TextFile.h"
#include "TextLines.h"
#include "Utf8.h"
#include "VariantLiteral.h"

namespace corvane
{

namespace
{

constexpr std::string_view kHeader = "# Corvane property bag\n";

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

[[noreturn]] void BadLine(std::size_t line, const std::string &what)
{
    throw AutomationError(ErrorNumber::InvalidFileFormat,
                          "Invalid file format: line " + std::to_string(line) + ": " + what);
}

// " (as \"CurrDate\"; keys ignore case)" when the bag holds key in another spelling.
std::string EarlierSpelling(const PropertyBag &bag, std::string_view key)
{
    for (const PropertyBag::Entry &entry : bag.Entries())
        if (NamesEqual(entry.key, key) && entry.key != key)
            return " (as \"" + PrintableText(entry.key) + "\"; keys ignore case)";
    return {};
}

} // namespace

std::string FormatPropertyBag(const PropertyBag &bag)
{
    std::string text(kHeader);
    for (const PropertyBag::Entry &entry : bag.Entries()) {
        text += entry.key;
        text += " = ";
        text += FormatLiteral(entry.value);
        text.push_back('\n');
    }
    return text;
}

PropertyBag ParsePropertyBag(std::string_view text)
{
    PropertyBag bag;
    TextLines lines(text);
    std::string_view raw;
    while (lines.Next(raw)) {
        const std::size_t lineNumber = lines.Number();
        if (!IsValidUtf8(raw))
            BadLine(lineNumber, "not valid UTF-8");
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            BadLine(lineNumber, "expected \"Key = value\"");
        const std::string_view key = Trim(line.substr(0, equals));
        if (!IsValidBagKey(key))
            BadLine(lineNumber, "bad key \"" + PrintableText(key) + "\"");
        if (bag.Find(key))
            BadLine(lineNumber, "key \"" + PrintableText(key) + "\" repeated" + EarlierSpelling(bag, key));
        try {
            const Variant value = ParseLiteral(Trim(line.substr(equals + 1)));
            if (value.IsMissing())
                BadLine(lineNumber, "a missing value cannot be stored");
            bag.Write(key, value);
        } catch (const AutomationError &e) {
            if (e.number() == int(ErrorNumber::InvalidFileFormat))
                throw;
            // The column counts from the start of the value.
            BadLine(lineNumber, e.description());
        }
    }
    return bag;
}

void LoadPropertyBag(PropertyBag &bag, const std::filesystem::path &path)
{
    PropertyBag loaded;
    try {
        loaded = ParsePropertyBag(ReadTextFile(path));
    } catch (const AutomationError &e) {
        if (e.number() != int(ErrorNumber::InvalidFileFormat))
            throw;
        throw AutomationError(e.number(), e.description() + " (" + PrintableText(path.native()) + ")");
    }
    bag = std::move(loaded);
}

void SavePropertyBag(const PropertyBag &bag, const std::filesystem::path &path)
{
    WriteTextFile(path, FormatPropertyBag(bag));
}

} // namespace corvane
