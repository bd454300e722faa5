#include "WindowSystem.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace corvane::ui
{

namespace
{

// Set while a ScopedWorkArea is in force; its value (or its absence) is the work area.
struct WorkAreaOverride {
    bool active = false;
    std::optional<QRect> area;
};

WorkAreaOverride &CurrentOverride()
{
    static WorkAreaOverride current;
    return current;
}

} // namespace

std::optional<QRect> WorkArea()
{
    if (const WorkAreaOverride &override = CurrentOverride(); override.active)
        return override.area;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return std::nullopt;
}

ScopedWorkArea::ScopedWorkArea(std::optional<QRect> area)
    : m_hadPrevious(CurrentOverride().active)
    , m_previous(CurrentOverride().area)
{
    CurrentOverride() = {true, area};
}

ScopedWorkArea::~ScopedWorkArea()
{
    CurrentOverride() = {m_hadPrevious, m_previous};
}

Qt::WindowFlags WindowFlagsOf(WindowStyle style)
{
    if (style == WindowStyle::Frameless)
        return Qt::Tool | Qt::FramelessWindowHint;
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}

void SetWindowStyle(QWidget &window, WindowStyle style)
{
    const Qt::WindowFlags flags = WindowFlagsOf(style);
    if (window.windowFlags() != flags)
        window.setWindowFlags(flags);
}

void BringWindowToFront(QWidget &widget)
{
    QWidget *window = widget.window();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitUntilExposed(QWidget &window, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // What runs meanwhile may delete the window.
    const QPointer<QWidget> alive(&window);
    while (alive && alive->isVisible() && alive->windowHandle() && !alive->windowHandle()->isExposed()
           && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 5);
}

} // namespace corvane::ui
