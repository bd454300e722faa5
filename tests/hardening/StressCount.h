#pragma once

#include <cstdlib>
#include <string>

// The size of a stress or soak run: the environment variable when it holds a positive number, else
// the default. CI runs the defaults; a full run sets the variables (see CMakeLists.txt).
inline long StressCount(const char *variable, long defaultCount)
{
    if (const char *text = std::getenv(variable)) {
        char *end = nullptr;
        const long value = std::strtol(text, &end, 10);
        if (end != text && *end == 0 && value > 0)
            return value;
    }
    return defaultCount;
}
