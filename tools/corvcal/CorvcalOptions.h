#pragma once

#include "Corvcal.h"

namespace corvane::corvcal
{

// Whether an argument is written as an option (and so is no command name).
bool LooksLikeOption(std::string_view arg);

// Takes the options out of a command's arguments: those in `accepted`, and --color[=WHEN]. "--" ends
// the options. "-3" is an operand (a negative number) for a command without the layout options.
// Throws UsageError naming an option the command does not take or a bad value.
Invocation ParseInvocation(Args args, unsigned accepted, const Terminal &terminal, std::string_view usage);

} // namespace corvane::corvcal
