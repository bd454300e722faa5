#include "Redraw.h"

#include <QPointer>
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

namespace
{

QPointer<QWidget> &Locked()
{
    static QPointer<QWidget> locked;
    return locked;
}

} // namespace

bool LockWindowUpdate(QWidget *window)
{
    QPointer<QWidget> &locked = Locked();
    if (!window) {
        if (QWidget *previous = locked.data()) {
            locked = nullptr;
            UpdateTree(*previous);
        }
        return true;
    }
    if (locked && locked != window)
        return false;
    locked = window;
    return true;
}

QWidget *LockedWindow()
{
    return Locked().data();
}

bool IsRedrawSuspended(const QWidget *widget)
{
    const QWidget *locked = Locked().data();
    return locked && widget && (widget == locked || locked->isAncestorOf(widget));
}

} // namespace corvane::ui
