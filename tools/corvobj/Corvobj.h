#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace corvobj
{

// Runs corvobj with the arguments after the program name: results go to `out`; a failure writes
// "corvobj: ..." (and the usage after a command-line mistake) to `err` and returns 2. Output that
// cannot be written (a full disk, a closed stdout) is reported on `err` and returns 1.
int Run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace corvobj
