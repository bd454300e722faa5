#pragma once

namespace corvane::ui
{

// Lets the pending window messages of this thread run (input, paint, posted calls) and returns;
// never waits for new ones.
void DoEvents();

} // namespace corvane::ui
