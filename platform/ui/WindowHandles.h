#pragma once

#include <cstdint>

class QWidget;

namespace corvane::ui
{

// Window handles, as the controls publish them (hWnd) and as the window-style, update-lock and
// coordinate calls take them. A handle is a number of our own rather than the native window id: asking
// Qt for a child's native id would give that child a native window of its own and change how it
// paints. A widget keeps its handle for its whole life; handles are never 0 and never reused in the
// process. User-interface thread only.
using Hwnd = std::int32_t;

// The widget's handle, assigned on first request; 0 for nullptr.
Hwnd HandleOf(QWidget *widget);
// The widget of a handle, or nullptr for 0, an unknown handle or a destroyed widget.
QWidget *WidgetOf(Hwnd handle);

struct WinPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const WinPoint &, const WinPoint &) = default;
};

// Maps a point from the client area of a window to the screen, in pixels. False (point unchanged) for
// a handle without a widget.
bool ClientToScreen(Hwnd handle, WinPoint *point);

} // namespace corvane::ui
