#pragma once

class QWidget;

namespace corvane::ui
{

// The window-update lock: at most one window at a time has its redrawing suspended. We keep the
// state ourselves rather than switching Qt's updates off, which on a top-level window can swallow an
// update requested later. The controls ask IsRedrawSuspended before they draw; releasing the lock
// schedules a repaint of the window that was locked.

// Locks `window` (nullptr releases the current lock and schedules the whole window for repainting). Fails, changing
// nothing, when another window is locked already; locking the locked window again succeeds.
bool LockWindowUpdate(QWidget *window);

// The locked window, or nullptr.
QWidget *LockedWindow();

// Whether `widget` is the locked window or lies inside it.
bool IsRedrawSuspended(const QWidget *widget);

} // namespace corvane::ui
