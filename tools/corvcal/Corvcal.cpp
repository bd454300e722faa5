#include "Corvcal.h"

#include "CorvcalArgs.h"
#include "platform/automation/AutomationError.h"

#include <sstream>

namespace corvane::corvcal
{

namespace
{

void PrintOverview(std::ostream &out)
{
    out << "usage: corvcal COMMAND [ARGUMENTS]\n"
           "Lunar (农历) calendar arithmetic for the days 1900-01-31 to 2031-12-31.\n\ncommands:\n";
    for (const Command &command : Commands())
        out << "  " << command.synopsis << "\n";
    out << "\n`corvcal COMMAND --help` describes one command.\n";
}

bool IsHelp(std::string_view arg)
{
    return arg == "--help" || arg == "-h";
}

} // namespace

void ExpectArgCount(Args args, std::size_t low, std::size_t high, std::string_view usage)
{
    if (args.size() < low)
        throw UsageError("missing arguments; usage: " + std::string(usage));
    if (args.size() > high)
        throw UsageError("unexpected argument " + Quoted(args[high]) + "; usage: " + std::string(usage));
}

int Run(Args args, std::ostream &out, std::ostream &err)
{
    if (args.empty()) {
        err << "corvcal: missing command; try 'corvcal --help'\n";
        return 2;
    }
    if (IsHelp(args[0])) {
        PrintOverview(out);
        return 0;
    }
    for (const Command &command : Commands()) {
        if (command.name != args[0])
            continue;
        const Args rest = args.subspan(1);
        if (!rest.empty() && IsHelp(rest[0])) {
            out << command.help;
            return 0;
        }
        // Output is buffered so that a failure halfway leaves stdout empty.
        std::ostringstream buffer;
        try {
            command.run(rest, buffer);
        } catch (const UsageError &error) {
            err << "corvcal " << command.name << ": " << error.what() << "\n";
            return 2;
        } catch (const AutomationError &error) {
            err << "corvcal " << command.name << ": " << error.what() << " (error " << error.number() << ")\n";
            return 2;
        }
        out << buffer.view();
        return 0;
    }
    err << "corvcal: unknown command " << Quoted(args[0]) << "; try 'corvcal --help'\n";
    return 2;
}

} // namespace corvane::corvcal
