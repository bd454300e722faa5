#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane
{

// Whole-file text I/O for the runtime's small files (property bags, the registry), with failures as
// numbered errors: 53 for a file that does not exist, 75 for any other read or write failure.
std::string ReadTextFile(const std::filesystem::path &path);

// Writes a temporary file beside the target and renames it over the target, so readers never see a
// half-written file and a failed write leaves the old one intact. Creates missing parent folders.
void WriteTextFile(const std::filesystem::path &path, std::string_view text);

} // namespace corvane
