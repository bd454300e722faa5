#pragma once

class QMouseEvent;
class QWidget;

namespace corvane::ui
{

// What the controls count as a click: a release of the left button over the widget that took the
// press. Other buttons press and release without clicking.
bool IsClick(const QWidget &widget, const QMouseEvent &release);

} // namespace corvane::ui
