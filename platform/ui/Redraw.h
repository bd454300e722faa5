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
// redrawing is suspended (the update lock below), schedules it instead.
void RepaintTree(QWidget &widget);

// The window-update lock: at most one window at a time has its redrawing suspended. We keep the
// state ourselves rather than switching Qt's updates off, which on a top-level window can swallow an
// update requested later. The controls ask IsRedrawSuspended before they draw; releasing the lock
// schedules a repaint of the window that was locked.

// Locks `window` (nullptr releases the current lock and schedules the whole window for
// repainting). Fails, changing nothing, when another window is locked already; locking the locked
// window again succeeds.
bool LockWindowUpdate(QWidget *window);

// The locked window, or nullptr.
QWidget *LockedWindow();

// Whether `widget` is the locked window or lies inside it.
bool IsRedrawSuspended(const QWidget *widget);

} // namespace corvane::ui
