#pragma once

#include "Corvcal.h"

namespace corvane::corvcal
{

Command LunarCommand();
Command SolarCommand();
Command DumpCommand();
Command MonthCommand();

} // namespace corvane::corvcal
