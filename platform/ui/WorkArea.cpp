#include "WorkArea.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace corvane::ui
{

namespace
{

// Set while a ScopedWorkArea is in force; its value (or its absence) is the work area.
struct Override {
    bool active = false;
    std::optional<WinRect> area;
};

Override &CurrentOverride()
{
    static Override current;
    return current;
}

} // namespace

bool SystemParametersInfoA(unsigned action, unsigned, WinRect *rect, unsigned)
{
    if (action != SPI_GETWORKAREA || !rect)
        return false;
    const Override &override = CurrentOverride();
    if (override.active) {
        if (!override.area)
            return false;
        *rect = *override.area;
        return true;
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    const QRect area = screen->availableGeometry();
    *rect = {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
    return true;
}

ScopedWorkArea::ScopedWorkArea(std::optional<WinRect> area)
    : m_hadPrevious(CurrentOverride().active)
    , m_previous(CurrentOverride().area)
{
    CurrentOverride() = {true, area};
}

ScopedWorkArea::~ScopedWorkArea()
{
    CurrentOverride() = {m_hadPrevious, m_previous};
}

} // namespace corvane::ui
