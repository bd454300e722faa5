#pragma once

namespace corvane::ui
{

// Makes the user-interface platform ready before a control builds its widgets: the host must run a
// QApplication (Qt Widgets) and call from its thread, else error 429 saying which is missing; the
// library's font aliases are installed on first use.
void EnsureUiReady();

} // namespace corvane::ui
