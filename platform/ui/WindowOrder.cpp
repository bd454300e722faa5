#include "WindowOrder.h"

#include <QGuiApplication>
#include <QWidget>

namespace corvane::ui
{

void BringWindowToFront(QWidget &widget)
{
    QWidget *window = widget.window();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

} // namespace corvane::ui
