#include "MessagePump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
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
    while (window.isVisible() && window.windowHandle() && !window.windowHandle()->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 5);
}

} // namespace corvane::ui
