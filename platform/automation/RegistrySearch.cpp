#include "RegistrySearch.h"

#include "AutomationError.h"

#include <cstdlib>

namespace corvane
{

std::vector<std::filesystem::path> SystemRegistryPaths()
{
    const char *dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string_view list = dirs && *dirs ? dirs : "/etc/xdg";
    std::vector<std::filesystem::path> paths;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view dir = list.substr(0, colon);
        list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
        // Relative entries are invalid by the XDG rules and are ignored.
        if (!dir.empty() && dir.front() == '/')
            paths.push_back(std::filesystem::path(dir) / "corvane" / "registry");
    }
    if (paths.empty())
        paths.push_back("/etc/xdg/corvane/registry");
    return paths;
}

std::filesystem::path SystemRegistryPath()
{
    return SystemRegistryPaths().front();
}

std::vector<std::filesystem::path> RegistrySearchPath()
{
    if (const char *explicitPath = std::getenv("CORVANE_REGISTRY"); explicitPath && *explicitPath)
        return {explicitPath};
    std::vector<std::filesystem::path> files;
    try {
        files.push_back(DefaultRegistryPath());
    } catch (const AutomationError &) {
        // No home to hold a user's registry: the system ones still serve.
    }
    for (std::filesystem::path &system : SystemRegistryPaths())
        files.push_back(std::move(system));
    return files;
}

std::optional<FoundRegistryEntry> FindInRegistries(const std::vector<std::filesystem::path> &files,
                                                   std::string_view progid)
{
    for (const std::filesystem::path &file : files)
        if (std::optional<RegistryEntry> entry = FindRegistryEntry(ReadRegistry(file), progid))
            return FoundRegistryEntry{std::move(*entry), file};
    return std::nullopt;
}

std::vector<RegistryEntry> VisibleRegistryEntries(const std::vector<std::filesystem::path> &files)
{
    std::vector<RegistryEntry> visible;
    for (const std::filesystem::path &file : files)
        for (RegistryEntry &entry : ReadRegistry(file))
            if (!FindRegistryEntry(visible, entry.progid))
                visible.push_back(std::move(entry));
    return visible;
}

} // namespace corvane
