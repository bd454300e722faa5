#include "MouseClick.h"

#include <QMouseEvent>
#include <QWidget>

namespace corvane::ui
{

bool IsClick(const QWidget &widget, const QMouseEvent &release)
{
    return release.button() == Qt::LeftButton && widget.rect().contains(release.position().toPoint());
}

} // namespace corvane::ui
