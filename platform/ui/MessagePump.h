#pragma once

class QWidget;

namespace corvane::ui
{

// Lets the pending window messages of this thread run (input, paint, posted calls) and returns;
// never waits for new ones.
void DoEvents();

// Waits, for at most `timeoutMs`, until the window system shows the just-shown top-level `window`, so
// that it can be drawn at once. Input that arrives meanwhile waits too; other pending calls run, and
// the waiting ends if one of them deletes the window (the caller checks for it).
void WaitUntilExposed(QWidget &window, int timeoutMs = 200);

} // namespace corvane::ui
