#include "Redraw.h"

#include "UpdateLock.h"

#include <QWidget>

namespace corvane::ui
{

// Walks the children itself: a window that is deleting its children holds null entries for those
// already gone, and its last redraw may be asked for from inside one of those deletions.
void UpdateTree(QWidget &widget)
{
    widget.update();
    for (QObject *child : widget.children())
        if (child && child->isWidgetType())
            UpdateTree(*static_cast<QWidget *>(child));
}

void RepaintTree(QWidget &widget)
{
    UpdateTree(widget);
    // A synchronous repaint draws everything marked in the window, not only the widget itself.
    if (widget.isVisible() && !IsRedrawSuspended(&widget))
        widget.repaint();
}

} // namespace corvane::ui
