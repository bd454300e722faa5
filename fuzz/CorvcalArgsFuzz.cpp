// corvcal's command line: every argument list either runs (status 0, nothing on stderr) or is
// refused with status 2, a one-line report on stderr and nothing on stdout.
#include "FuzzArgs.h"

#include "Corvcal.h"

#include <cstdlib>
#include <sstream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> args = SplitArgs(data, size);
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, err;
    const int status = corvane::corvcal::Run(views, out, err);
    const std::string diagnostics = err.str();
    const bool refused =
        status == 2 && out.str().empty() && IsReport(diagnostics) && diagnostics.find('\n') == diagnostics.size() - 1;
    if (!(status == 0 && diagnostics.empty()) && !refused)
        std::abort();
    return 0;
}
