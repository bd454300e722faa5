#pragma once

#include "platform/ui/WindowHandles.h"

#include <cstdint>

namespace corvane::ModWinLong
{

// The drop-down form's window styles, always set whole: the transient style while it grows or
// shrinks, the pop-up style while it stands open.
inline constexpr std::uint32_t kTransientStyle = 0x16000000; // WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN
inline constexpr std::uint32_t kPopupStyle = 0x94000000; // WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS

// Gives the window the transient style (transient true) or the pop-up style.
void SetDropWinStyle(ui::Hwnd hWnd, bool transient);

} // namespace corvane::ModWinLong
