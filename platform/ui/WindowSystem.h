#pragma once

#include <QRect>
#include <Qt>

#include <optional>

class QWidget;

namespace corvane::ui
{

// The work area of the primary screen (the screen without its panels and docks), in pixels;
// std::nullopt without a screen.
std::optional<QRect> WorkArea();

// Replaces the work area for the lifetime of this object (tests place a picker near a screen edge
// with it); std::nullopt stands for a screen whose work area cannot be read. The previous override
// comes back on destruction.
class ScopedWorkArea
{
public:
    explicit ScopedWorkArea(std::optional<QRect> area);
    ~ScopedWorkArea();
    ScopedWorkArea(const ScopedWorkArea &) = delete;
    ScopedWorkArea &operator=(const ScopedWorkArea &) = delete;

private:
    bool m_hadPrevious;
    std::optional<QRect> m_previous;
};

// How a top-level window is dressed.
enum class WindowStyle {
    Framed, // a title bar with the system menu and the close button
    Frameless, // no title bar and no frame, kept off the task bar: the drop-down
};

Qt::WindowFlags WindowFlagsOf(WindowStyle style);

// Gives a top-level window the style. A window that has it already is left alone: changing Qt's
// window flags hides the window and may re-create its native window, which the drop-down's switches
// between its looks must not do.
void SetWindowStyle(QWidget &window, WindowStyle style);

// Brings the window of `widget` in front of the others and makes it the active window. Where the
// platform has no stacking order (offscreen) only the activation is asked for.
void BringWindowToFront(QWidget &widget);

// Lets the pending window messages of this thread run (input, paint, posted calls) and returns;
// never waits for new ones.
void DoEvents();

// Waits, for at most `timeoutMs`, until the window system shows the just-shown top-level `window`, so
// that it can be drawn at once. Input that arrives meanwhile waits too; other pending calls run, and
// the waiting ends if one of them deletes the window (the caller checks for it).
void WaitUntilExposed(QWidget &window, int timeoutMs = 200);

} // namespace corvane::ui
