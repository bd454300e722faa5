#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::corvcal
{

using Args = std::span<const std::string_view>;

// Where the output goes, as the program finds it when it starts.
struct Terminal {
    bool isTerminal = false; // standard output is a terminal
    bool noColor = false; // NO_COLOR is set to a non-empty value
};

// The options a command takes beside --help and --color, which every command takes.
enum CommandOptions : unsigned {
    kJsonOption = 1u << 0, // --json
    kLayoutOptions = 1u << 1, // -3, -y, --monday
    kModeOption = 1u << 2, // --mode month|term
};

// A command's arguments with its options taken out.
struct Invocation {
    std::vector<std::string_view> args; // the operands, in order
    bool json = false;
    bool threeMonths = false; // -3
    bool wholeYear = false; // -y
    bool monday = false; // weeks start on Monday
    std::optional<std::string_view> mode; // --mode's value
    bool color = false; // today may be highlighted with terminal escapes
};

// One subcommand: its name, a one-line synopsis, the text of `corvcal NAME --help` (with the range
// placeholders of WithRanges), the options it takes, its usage line for messages, and the work.
// `run` writes to `out` and throws UsageError for bad arguments.
struct Command {
    std::string_view name;
    std::string_view synopsis;
    std::string_view help;
    unsigned options;
    std::string_view usage;
    void (*run)(const Invocation &call, std::ostream &out);
};

// The subcommands, in the order `corvcal --help` lists them.
const std::vector<Command> &Commands();

// Runs corvcal with the arguments after the program name. Returns the exit status: 0; 2 after
// writing one line naming the problem with the arguments to `err` (nothing then goes to `out`); 1
// after one line on `err` when `out` fails to take the output.
int Run(Args args, std::ostream &out, std::ostream &err, const Terminal &terminal = {});

// Throws UsageError unless `args` has between `low` and `high` entries.
void ExpectArgCount(const Invocation &call, std::size_t low, std::size_t high, std::string_view usage);

} // namespace corvane::corvcal
