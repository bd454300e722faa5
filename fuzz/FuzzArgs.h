#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A command line from fuzz input: the bytes split at NUL into at most kMaxArgs arguments, so the
// corpus files read as "lunar\0002002-07-19".
inline std::vector<std::string> SplitArgs(const std::uint8_t *data, std::size_t size)
{
    constexpr std::size_t kMaxArgs = 16;
    std::vector<std::string> args;
    if (size == 0)
        return args;
    args.emplace_back();
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] != 0)
            args.back().push_back(char(data[i]));
        else if (args.size() < kMaxArgs)
            args.emplace_back();
    }
    return args;
}

// Whether a tool's diagnostics are what it promises after a failure: something, ending in a
// newline.
inline bool IsReport(const std::string &text)
{
    return !text.empty() && text.back() == '\n';
}
