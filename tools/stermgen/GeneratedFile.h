#pragma once

#include <string>
#include <string_view>

namespace corvane::stermgen
{

// The two things a generator does with the file it owns, reporting on std::cout / std::cerr under the
// generator's name. Each returns the process exit status: 0 on success, 1 otherwise.

// Writes `text` to `path`, replacing what was there.
int writeGeneratedFile(std::string_view generator, const std::string &path, const std::string &text);

// Succeeds when the file at `path` holds exactly `text`; otherwise lists the differences line by line.
int checkGeneratedFile(std::string_view generator, const std::string &path, const std::string &text);

} // namespace corvane::stermgen
