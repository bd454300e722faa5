#pragma once

#include <cstdint>

class QWidget;

namespace corvane::ui
{

// Window handles, as the controls publish them (hWnd) and as the window-style calls take them. A
// handle is a number of our own rather than the native window id: asking Qt for a child's native id
// would give that child a native window of its own and change how it paints. A widget keeps its
// handle for its whole life; handles are never 0 and never reused in the process. User-interface
// thread only.
using Hwnd = std::int32_t;

// The widget's handle, assigned on first request; 0 for nullptr.
Hwnd HandleOf(QWidget *widget);
// The widget of a handle, or nullptr for 0, an unknown handle or a destroyed widget.
QWidget *WidgetOf(Hwnd handle);

// The window-style calls, for the style index only, as thin names over SetWindowStyle. A style is
// the 32-bit value of the window system: 0x00C00000 (caption) makes a framed window, anything
// without it a frameless one (a caption-less window and a pop-up look the same, so switching
// between them changes nothing on the screen); 0x10000000 (visible) shows the window, its absence
// hides it. A child widget takes the visible bit only. The other bits are kept in the value.
inline constexpr int GWL_STYLE = -16;

// The style of the window: the value last set, with the visible bit as the widget is now. Before any
// set: 0x40000000 (child) for a child, caption and system menu (0x00C80000) for a framed window,
// 0x80000000 (pop-up) for a frameless one, each with clip-siblings (0x04000000). 0 for another index
// or an unknown handle.
std::int32_t GetWindowLongA(Hwnd handle, int index);
// Sets the whole style and returns the previous one; 0 and no change for another index or an
// unknown handle.
std::int32_t SetWindowLongA(Hwnd handle, int index, std::int32_t value);

} // namespace corvane::ui
