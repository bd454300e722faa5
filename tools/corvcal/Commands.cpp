#include "Corvcal.h"

#include "CommandList.h"

namespace corvane::corvcal
{

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands{LunarCommand(),
                                               SolarCommand(),
                                               DumpCommand(),
                                               MonthCommand(),
                                               TermsCommand(),
                                               EraCommand(),
                                               CaptionCommand()};
    return commands;
}

} // namespace corvane::corvcal
