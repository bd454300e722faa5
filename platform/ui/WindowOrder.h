#pragma once

class QWidget;

namespace corvane::ui
{

// Brings the window of `widget` in front of the others and makes it the active window. Where the
// platform has no stacking order (offscreen) only the activation is asked for.
void BringWindowToFront(QWidget &widget);

} // namespace corvane::ui
