#include "GeneratorMain.h"

#include <charconv>
#include <exception>
#include <iostream>

namespace corvane::stermgen
{

int runGenerator(std::string_view generator, int argc, char **argv, GeneratorUsage usage, GeneratorRun run)
{
    if (argc != 3) {
        return usage();
    }
    try {
        return run(argv[1], argv[2]);
    } catch (const std::exception &error) {
        std::cerr << generator << ": " << error.what() << '\n';
        return 1;
    }
}

std::optional<int> parseWholeNumber(const std::string &text, int least, int most)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < least || value > most) {
        return std::nullopt;
    }
    return value;
}

} // namespace corvane::stermgen
