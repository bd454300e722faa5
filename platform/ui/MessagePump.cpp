#include "MessagePump.h"

#include <QCoreApplication>

namespace corvane::ui
{

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace corvane::ui
