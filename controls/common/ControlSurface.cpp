#include "ControlSurface.h"

#include "ControlBase.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace corvane::ui
{

ControlSurface::ControlSurface(ControlBase &owner, QWidget *parent)
    : QWidget(parent)
    , m_owner(&owner)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

// Destroyed by the host (the control's own destruction detaches first): the control lets go now, while
// QWidget's destructor, which moves the focus and so runs the controls' focus handlers, is yet to run.
ControlSurface::~ControlSurface()
{
    if (m_owner)
        m_owner->SurfaceDestroyed();
}

void ControlSurface::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_owner)
        m_owner->SurfacePaletteChanged();
}

// Mouse input that a part left unhandled arrives here on its way up; it belongs to the part, so it
// raises nothing and goes no further.
bool ControlSurface::FromPart(const QMouseEvent &event) const
{
    return childAt(event.position().toPoint()) != nullptr;
}

void ControlSurface::mousePressEvent(QMouseEvent *event)
{
    m_doublePressed = false;
    if (m_owner && !FromPart(*event))
        m_owner->SurfaceMouse(m_owner->m_events.mouseDown, *event);
}

void ControlSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click raises DblClick instead of MouseDown, and its release no
    // Click.
    m_doublePressed = true;
    if (m_owner && !FromPart(*event))
        m_owner->SurfaceClick(true);
}

void ControlSurface::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_owner || FromPart(*event))
        return;
    const bool clicked =
        !m_doublePressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_doublePressed = false;
    const QPointer<ControlSurface> alive(this);
    m_owner->SurfaceMouse(m_owner->m_events.mouseUp, *event);
    if (alive && m_owner && clicked)
        m_owner->SurfaceClick(false);
}

void ControlSurface::mouseMoveEvent(QMouseEvent *event)
{
    if (m_owner && !FromPart(*event))
        m_owner->SurfaceMouse(m_owner->m_events.mouseMove, *event);
}

// Keys reach the surface itself only when it holds the focus; keys that a part left unhandled pass
// through on their way to the host and raise nothing here.
void ControlSurface::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
    if (m_owner && QApplication::focusWidget() == this)
        m_owner->RaiseKeyPress(*event);
}

void ControlSurface::keyReleaseEvent(QKeyEvent *event)
{
    event->ignore();
    if (m_owner && QApplication::focusWidget() == this)
        m_owner->RaiseKeyUp(*event);
}

} // namespace corvane::ui
