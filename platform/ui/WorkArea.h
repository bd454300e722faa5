#pragma once

#include <optional>

class QRect;

namespace corvane::ui
{

// A rectangle as the window-system calls give it: edges in pixels, right and bottom exclusive.
struct WinRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(const WinRect &, const WinRect &) = default;
};

inline constexpr unsigned SPI_GETWORKAREA = 48;

// The system-parameters call for the one parameter the controls read: with SPI_GETWORKAREA, stores
// the work area of the primary screen (the screen without the panels and docks) in *rect and returns
// true. Any other action, a null rect or a missing screen: false, *rect unchanged. `param` and
// `winIni` are not read.
bool SystemParametersInfoA(unsigned action, unsigned param, WinRect *rect, unsigned winIni);

// Replaces the work area for the lifetime of this object (tests place a picker near a screen edge
// with it); std::nullopt makes the call fail. The previous override comes back on destruction.
class ScopedWorkArea
{
public:
    explicit ScopedWorkArea(std::optional<WinRect> area);
    ~ScopedWorkArea();
    ScopedWorkArea(const ScopedWorkArea &) = delete;
    ScopedWorkArea &operator=(const ScopedWorkArea &) = delete;

private:
    bool m_hadPrevious;
    std::optional<WinRect> m_previous;
};

} // namespace corvane::ui
