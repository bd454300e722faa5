#include "LibraryRegistration.h"

#include "AutomationError.h"
#include "LibraryLoader.h"
#include "Utf8.h"
#include "Variant.h"

#include <algorithm>

namespace corvane
{

namespace
{

std::string AbsolutePath(const std::filesystem::path &library)
{
    return std::filesystem::absolute(library).lexically_normal().string();
}

bool IsRegistryWord(std::string_view word)
{
    return !word.empty() && std::none_of(word.begin(), word.end(), [](char c) {
        return c == ' ' || c == '\t' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
}

} // namespace

std::vector<RegistryEntry> RegisterLibrary(const std::filesystem::path &library,
                                           const std::filesystem::path &registry,
                                           const std::filesystem::path &root)
{
    const std::string path = AbsolutePath(library);
    if (path.find_first_of("\r\n") != std::string::npos)
        throw AutomationError(ErrorNumber::InvalidCall,
                              "Invalid procedure call or argument: a line break in " + PrintableText(path));
    const corv_library &table = LoadCorvaneLibrary(root.empty() ? std::filesystem::path(path)
                                                                : root / std::filesystem::path(path).relative_path());

    std::vector<RegistryEntry> added;
    for (const corv_class_entry &c : LibraryClasses(table)) {
        const std::string progid = c.progid ? c.progid : "";
        const std::string className = c.cls && c.cls->name ? c.cls->name : "";
        if (!IsRegistryWord(progid) || !IsRegistryWord(className))
            throw AutomationError(ErrorNumber::InvalidCall,
                                  "Invalid procedure call or argument: \"" + PrintableText(progid) + "\" / \""
                                      + PrintableText(className) + "\" cannot be registered");
        added.push_back({progid, className, path});
    }

    std::vector<RegistryEntry> entries = ReadRegistry(registry);
    std::erase_if(entries, [&](const RegistryEntry &old) {
        return std::any_of(added.begin(), added.end(), [&](const RegistryEntry &a) {
            return NamesEqual(a.progid, old.progid);
        });
    });
    entries.insert(entries.end(), added.begin(), added.end());
    WriteRegistry(registry, entries);
    return added;
}

std::size_t UnregisterLibrary(const std::filesystem::path &library, const std::filesystem::path &registry)
{
    const std::string path = AbsolutePath(library);
    std::vector<RegistryEntry> entries = ReadRegistry(registry);
    const std::size_t removed = std::erase_if(entries, [&](const RegistryEntry &e) { return e.libraryPath == path; });
    if (removed)
        WriteRegistry(registry, entries);
    return removed;
}

} // namespace corvane
