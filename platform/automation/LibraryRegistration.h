#pragma once

#include "RegistryFile.h"

#include <filesystem>
#include <vector>

namespace corvane
{

// The register step: loads the library, asks its entry point for the ProgIDs it serves and records
// each in the registry file under the library's absolute path, replacing older entries of the same
// ProgIDs. Returns the entries written. A ProgID or class name that is empty or holds blanks or
// control characters is error 5 (the file could not hold it). With a root, an installation staged
// under that folder is registered: the library is loaded from root/library but recorded as the
// absolute path `library`, which it will have once installed.
std::vector<RegistryEntry> RegisterLibrary(const std::filesystem::path &library,
                                           const std::filesystem::path &registry,
                                           const std::filesystem::path &root = {});

// Removes every entry naming this library; returns how many there were.
std::size_t UnregisterLibrary(const std::filesystem::path &library, const std::filesystem::path &registry);

} // namespace corvane
