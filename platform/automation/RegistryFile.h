#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// The registry: a text file mapping ProgIDs to the libraries that serve them, one line per ProgID,
//
//     # Corvane registry: ProgID, class, library
//     Corvane.CQxCal CQxCal /usr/lib/corvane/libcorvane.so
//
// the library path running to the end of the line (it may hold blanks). Blank lines and lines
// starting with '#' are skipped.
struct RegistryEntry {
    std::string progid;
    std::string className;
    std::string libraryPath;
    friend bool operator==(const RegistryEntry &, const RegistryEntry &) = default;
};

// $CORVANE_REGISTRY when set and not empty; else $XDG_CONFIG_HOME/corvane/registry when that is an
// absolute path; else $HOME/.config/corvane/registry. Error 75 when none of them is set.
std::filesystem::path DefaultRegistryPath();

// The entries in file order; a file that does not exist is an empty registry. A malformed line is
// error 321 naming the line.
std::vector<RegistryEntry> ReadRegistry(const std::filesystem::path &path);
std::vector<RegistryEntry> ParseRegistry(std::string_view text);

// Replaces the file (atomically), creating its folder when needed.
void WriteRegistry(const std::filesystem::path &path, const std::vector<RegistryEntry> &entries);

// The entry of a ProgID (ASCII case-insensitive).
std::optional<RegistryEntry> FindRegistryEntry(const std::vector<RegistryEntry> &entries, std::string_view progid);

} // namespace corvane
