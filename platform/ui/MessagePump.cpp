#include "MessagePump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace corvane::ui
{

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
