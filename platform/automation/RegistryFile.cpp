#include "RegistryFile.h"

#include "AutomationError.h"
#include "TextFile.h"
#include "TextLines.h"
#include "Utf8.h"
#include "Variant.h"

#include <cstdlib>

namespace corvane
{

namespace
{

constexpr std::string_view kHeader = "# Corvane registry: ProgID, class, library\n";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Splits off the first blank-separated word.
std::string_view NextWord(std::string_view &text)
{
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end]))
        ++end;
    const std::string_view word = text.substr(0, end);
    text = Trim(text.substr(end));
    return word;
}

const char *Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value ? value : nullptr;
}

} // namespace

std::filesystem::path DefaultRegistryPath()
{
    if (const char *explicitPath = Environment("CORVANE_REGISTRY"))
        return explicitPath;
    if (const char *config = Environment("XDG_CONFIG_HOME"); config && config[0] == '/')
        return std::filesystem::path(config) / "corvane" / "registry";
    if (const char *home = Environment("HOME"))
        return std::filesystem::path(home) / ".config" / "corvane" / "registry";
    throw AutomationError(ErrorNumber::PathAccess,
                          "Path/File access error: no registry file (set CORVANE_REGISTRY or HOME)");
}

std::vector<RegistryEntry> ParseRegistry(std::string_view text)
{
    std::vector<RegistryEntry> entries;
    TextLines lines(text);
    std::string_view raw;
    while (lines.Next(raw)) {
        std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#')
            continue;
        RegistryEntry entry;
        entry.progid = NextWord(line);
        entry.className = NextWord(line);
        entry.libraryPath = line;
        if (entry.className.empty() || entry.libraryPath.empty())
            throw AutomationError(ErrorNumber::InvalidFileFormat,
                                  "Invalid file format: registry line " + std::to_string(lines.Number())
                                      + ": expected \"ProgID Class LibraryPath\"");
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<RegistryEntry> ReadRegistry(const std::filesystem::path &path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return {};
    try {
        return ParseRegistry(ReadTextFile(path));
    } catch (const AutomationError &e) {
        if (e.number() != int(ErrorNumber::InvalidFileFormat))
            throw;
        throw AutomationError(e.number(), e.description() + " (" + PrintableText(path.native()) + ")");
    }
}

void WriteRegistry(const std::filesystem::path &path, const std::vector<RegistryEntry> &entries)
{
    std::string text(kHeader);
    for (const RegistryEntry &entry : entries)
        text += entry.progid + ' ' + entry.className + ' ' + entry.libraryPath + '\n';
    WriteTextFile(path, text);
}

std::optional<RegistryEntry> FindRegistryEntry(const std::vector<RegistryEntry> &entries, std::string_view progid)
{
    for (const RegistryEntry &entry : entries)
        if (NamesEqual(entry.progid, progid))
            return entry;
    return std::nullopt;
}

} // namespace corvane
