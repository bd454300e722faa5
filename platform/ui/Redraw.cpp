#include "Redraw.h"

#include "UpdateLock.h"

#include <QWidget>

namespace corvane::ui
{

void UpdateTree(QWidget &widget)
{
    widget.update();
    for (QWidget *child : widget.findChildren<QWidget *>())
        child->update();
}

void RepaintTree(QWidget &widget)
{
    UpdateTree(widget);
    // A synchronous repaint draws everything marked in the window, not only the widget itself.
    if (widget.isVisible() && !IsRedrawSuspended(&widget))
        widget.repaint();
}

} // namespace corvane::ui
