#include "UiPlatform.h"

#include "Fonts.h"
#include "platform/automation/AutomationError.h"

#include <QApplication>
#include <QThread>

namespace corvane::ui
{

void EnsureUiReady()
{
    const auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        throw AutomationError(ErrorNumber::CannotCreateObject,
                              "Cannot create object: the controls need the host to run a QApplication");
    if (QThread::currentThread() != app->thread())
        throw AutomationError(ErrorNumber::CannotCreateObject,
                              "Cannot create object: controls are created on the thread of the host's QApplication");
    InstallFontAliases();
}

} // namespace corvane::ui
