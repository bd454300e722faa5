#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::corvcal
{

using Args = std::span<const std::string_view>;

// One subcommand: its name, a one-line synopsis, the text of `corvcal NAME --help`, and the work.
// `run` writes to `out` and throws UsageError for bad arguments.
struct Command {
    std::string_view name;
    std::string_view synopsis;
    std::string_view help;
    void (*run)(Args args, std::ostream &out);
};

// The subcommands, in the order `corvcal --help` lists them.
const std::vector<Command> &Commands();

// Runs corvcal with the arguments after the program name. Returns the exit status: 0, or 2 after
// writing one line naming the problem to `err` (nothing then goes to `out`).
int Run(Args args, std::ostream &out, std::ostream &err);

// Throws UsageError unless `args` has between `low` and `high` entries.
void ExpectArgCount(Args args, std::size_t low, std::size_t high, std::string_view usage);

} // namespace corvane::corvcal
