#pragma once

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string_view>

namespace corvane::tools
{

// The last step of a command-line tool: its output is flushed and checked, so that a full disk or a
// closed standard output is a failure (one line on err, status 1) instead of a truncated result
// that reports success. status is what the tool decided so far; a tool that already failed keeps
// its status and its own report.
inline int FinishOutput(std::ostream &out, std::ostream &err, std::string_view tool, int status)
{
    errno = 0;
    out.flush();
    if (out || status != 0)
        return status;
    // errno is the flush's only when the stream failed just now; an earlier failure left no reason.
    const int reason = errno;
    err << tool << ": cannot write the output";
    if (reason != 0)
        err << ": " << std::strerror(reason);
    err << '\n';
    return 1;
}

} // namespace corvane::tools
