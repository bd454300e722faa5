#include "UpdateLock.h"

#include "Redraw.h"

#include <QPointer>
#include <QWidget>

namespace corvane::ui
{

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
