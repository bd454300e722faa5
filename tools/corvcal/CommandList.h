#pragma once

#include "Corvcal.h"

namespace corvane::corvcal
{

Command LunarCommand();
Command SolarCommand();
Command DumpCommand();
Command MonthCommand();
Command TermsCommand();
Command EraCommand();
Command CaptionCommand();

} // namespace corvane::corvcal
