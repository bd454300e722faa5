#pragma once

#include "RegistryFile.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace corvane
{

// The system registries: <dir>/corvane/registry for each absolute folder of $XDG_CONFIG_DIRS, in its
// order (a colon-separated list; /etc/xdg when unset or empty). The first is the one corvreg --system
// writes.
std::vector<std::filesystem::path> SystemRegistryPaths();
std::filesystem::path SystemRegistryPath();

// The registry files creation consults, in order: $CORVANE_REGISTRY alone when it is set and not
// empty (a host or test that names its registry sees nothing else); otherwise the user's file
// (DefaultRegistryPath, left out when neither HOME nor XDG_CONFIG_HOME says where it is), then the
// system registries.
std::vector<std::filesystem::path> RegistrySearchPath();

struct FoundRegistryEntry {
    RegistryEntry entry;
    std::filesystem::path registry; // the file that listed it
};

// The entry of a ProgID in the first file of `files` that lists it; files that do not exist are
// empty, a malformed one is error 321.
std::optional<FoundRegistryEntry> FindInRegistries(const std::vector<std::filesystem::path> &files,
                                                   std::string_view progid);

// Every ProgID the files make creatable, once each, as the first file listing it has it; in the
// files' order.
std::vector<RegistryEntry> VisibleRegistryEntries(const std::vector<std::filesystem::path> &files);

} // namespace corvane
