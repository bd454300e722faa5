// corvobj's command line against a registry holding the test library: every argument list either
// runs (status 0, nothing on stderr) or fails with status 2 and a "corvobj: " report.
#include "FuzzArgs.h"

#include "Corvobj.h"
#include "corvane/corvane.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::string dir = (std::filesystem::temp_directory_path() / "corvane-fuzz-XXXXXX").string();
    if (!mkdtemp(dir.data()))
        std::abort();
    const std::string registry = dir + "/registry";
    setenv("CORVANE_REGISTRY", registry.c_str(), 1);
    if (corv_register_library(CORVANE_TOY_LIBRARY, nullptr) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::ostringstream out, err;
    const int status = corvobj::Run(SplitArgs(data, size), out, err);
    const std::string diagnostics = err.str();
    const bool failed = status == 2 && diagnostics.rfind("corvobj: ", 0) == 0 && IsReport(diagnostics);
    if (!(status == 0 && diagnostics.empty()) && !failed)
        std::abort();
    return 0;
}
