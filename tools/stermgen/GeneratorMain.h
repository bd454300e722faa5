#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::stermgen
{

// What the generators' command lines share: exactly one option and its argument ("--output FILE"),
// anything else answered by `usage` (which prints and returns the usage status), and an exception
// reported on std::cerr under the generator's name with status 1. Returns the process exit status.
using GeneratorUsage = int (*)();
using GeneratorRun = int (*)(std::string_view option, const std::string &argument);
int runGenerator(std::string_view generator, int argc, char **argv, GeneratorUsage usage, GeneratorRun run);

// A whole decimal number in [least, most], nothing else in the text; nullopt otherwise.
std::optional<int> parseWholeNumber(const std::string &text, int least, int most);

} // namespace corvane::stermgen
