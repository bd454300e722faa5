#pragma once

#include "WindowHandles.h"

#include <Qt>

#include <cstdint>

class QWidget;

namespace corvane::ui
{

// The window-style calls, for the style index only, over Qt window flags.
inline constexpr int GWL_STYLE = -16;

inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000u;
inline constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000u;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000u; // title bar (border and dialog frame)
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000u;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000u;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000u;

// How a style becomes Qt window flags for a top-level window:
// - WS_CAPTION: a normal window with a title bar; WS_SYSMENU adds the close button, WS_MINIMIZEBOX and
//   WS_MAXIMIZEBOX their buttons.
// - no WS_CAPTION (with or without WS_POPUP): a frameless tool window. A caption-less overlapped
//   window and a pop-up look the same on every Qt platform, so switching between the two (as the
//   drop-down does while it animates) changes no flag and never re-creates the native window.
// - WS_VISIBLE shows, its absence hides. WS_CLIPSIBLINGS and WS_CLIPCHILDREN are kept in the style
//   value only: Qt always clips.
// A child widget takes WS_VISIBLE only; its other bits are kept.
Qt::WindowFlags WindowFlagsOfStyle(std::uint32_t style);

// The style a widget has before any SetWindowLongA: WS_CHILD for a child, WS_CAPTION | WS_SYSMENU for
// a framed window, WS_POPUP for a frameless one; WS_VISIBLE and WS_CLIPSIBLINGS as they apply.
std::uint32_t DefaultStyleOf(const QWidget &widget);

// The style of the window (the value last set, with WS_VISIBLE as the widget is now); 0 for another
// index or an unknown handle.
std::int32_t GetWindowLongA(Hwnd handle, int index);
// Sets the whole style and returns the previous one; 0 and no change for another index or an
// unknown handle.
std::int32_t SetWindowLongA(Hwnd handle, int index, std::int32_t value);

} // namespace corvane::ui
