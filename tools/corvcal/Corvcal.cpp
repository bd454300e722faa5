#include "Corvcal.h"

#include "CorvcalArgs.h"
#include "CorvcalOptions.h"
#include "platform/automation/AutomationError.h"

#include <cerrno>
#include <cstring>
#include <sstream>

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kOverview =
    "usage: corvcal [COMMAND] [ARGUMENTS] [OPTIONS]\n"
    "Lunar (农历) calendar arithmetic for the days {days}.\n"
    "Without a command corvcal shows a month grid, as `corvcal month` does: `corvcal`, `corvcal -3`,\n"
    "`corvcal -y [YEAR]`, `corvcal YEAR MONTH`.\n\n"
    "commands:\n";

constexpr std::string_view kOverviewOptions =
    "\noptions:\n"
    "  --json          print the data as JSON (each command's --help lists the fields)\n"
    "  --color[=WHEN]  highlight today in month grids: auto (the default: when standard output is\n"
    "                  a terminal and NO_COLOR is not set), always (--color alone), never\n"
    "  -h, --help      this text; `corvcal COMMAND --help` describes one command\n"
    "  --version       corvcal's version\n"
    "\nBad arguments print one line on standard error and exit with status 2; a failure to write\n"
    "the output exits with status 1.\n";

bool IsHelp(std::string_view arg)
{
    return arg == "--help" || arg == "-h";
}

const Command *FindCommand(std::string_view name)
{
    for (const Command &command : Commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

void PrintOverview(std::ostream &out)
{
    out << WithRanges(kOverview);
    for (const Command &command : Commands())
        out << "  " << command.synopsis << "\n";
    out << kOverviewOptions;
}

// Runs the command line into `out`; on a usage problem writes the report to `err` and returns 2.
int Dispatch(Args args, std::ostream &out, std::ostream &err, const Terminal &terminal)
{
    // The command is the first operand, unless that is the YEAR of a month grid or there is none.
    std::size_t at = 0;
    while (at < args.size() && args[at] != "--" && LooksLikeOption(args[at]))
        ++at;
    const bool operand = at < args.size() && args[at] != "--";
    const Command *command = operand ? FindCommand(args[at]) : nullptr;
    const bool named = command != nullptr;
    if (!named)
        command = FindCommand("month");

    for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        if (args[i] == "--version") {
            out << "corvcal " << CORVCAL_VERSION << "\n";
            return 0;
        }
        if (IsHelp(args[i])) {
            if (named && i > at)
                out << WithRanges(command->help);
            else
                PrintOverview(out);
            return 0;
        }
    }
    if (operand && !named && !IsDigits(args[at])) {
        err << "corvcal: unknown command " << Quoted(args[at]) << "; try 'corvcal --help'\n";
        return 2;
    }

    std::vector<std::string_view> rest(args.begin(), args.end());
    std::string prefix = "corvcal";
    if (named) {
        rest.erase(rest.begin() + std::ptrdiff_t(at));
        prefix += " " + std::string(command->name);
    }
    try {
        command->run(ParseInvocation(rest, command->options, terminal, command->usage), out);
    } catch (const UsageError &error) {
        err << prefix << ": " << error.what() << "\n";
        return 2;
    } catch (const AutomationError &error) {
        err << prefix << ": " << error.what() << " (error " << error.number() << ")\n";
        return 2;
    }
    return 0;
}

} // namespace

void ExpectArgCount(const Invocation &call, std::size_t low, std::size_t high, std::string_view usage)
{
    if (call.args.size() < low)
        throw UsageError("missing arguments; usage: " + std::string(usage));
    if (call.args.size() > high)
        throw UsageError("unexpected argument " + Quoted(call.args[high]) + "; usage: " + std::string(usage));
}

int Run(Args args, std::ostream &out, std::ostream &err, const Terminal &terminal)
{
    // Output is buffered so that a failure halfway leaves stdout empty.
    std::ostringstream buffer;
    if (const int status = Dispatch(args, buffer, err, terminal); status != 0)
        return status;
    errno = 0;
    out << buffer.view();
    out.flush();
    if (!out) {
        // A full disk or a closed descriptor: the output is cut short, which a caller must learn.
        const int cause = errno;
        err << "corvcal: cannot write the output" << (cause != 0 ? ": " + std::string(std::strerror(cause)) : "")
            << "\n";
        return 1;
    }
    return 0;
}

} // namespace corvane::corvcal
