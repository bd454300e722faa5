#pragma once

class QWidget;

namespace corvane::ui
{

// Redrawing a widget together with everything inside it. QWidget::update and repaint of a parent
// leave alone the children that paint their own opaque background, so these mark each widget of the
// tree.

// Schedules a repaint of the widget and all its descendants.
void UpdateTree(QWidget &widget);

// Repaints the widget and all its descendants now; when the widget is hidden or its window's
// redrawing is suspended (UpdateLock.h), schedules it instead.
void RepaintTree(QWidget &widget);

} // namespace corvane::ui
