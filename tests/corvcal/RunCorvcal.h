#pragma once

#include "Corvcal.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

struct CorvcalResult {
    int status;
    std::string out;
    std::string err;
};

// corvcal run in-process, its output caught.
inline CorvcalResult RunCorvcal(std::vector<std::string_view> args, corvane::corvcal::Terminal terminal = {})
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = corvane::corvcal::Run(args, out, err, terminal);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
