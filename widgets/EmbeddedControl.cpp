#include "EmbeddedControl.h"

#include <QWidget>

namespace corvane::widgets
{

EmbeddedControl::EmbeddedControl(ObjectPtr<ui::ControlBase> control, QWidget &widget, EventHandler onEvent)
    : m_control(std::move(control))
    , m_widget(widget)
{
    QWidget *surface = m_control->Surface();
    if (surface->parentWidget() != &m_widget)
        surface->setParent(&m_widget);
    surface->move(0, 0);
    surface->show();
    m_widget.setFocusProxy(surface);
    m_widget.setFocusPolicy(Qt::StrongFocus);
    m_widget.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    FollowSize();
    m_cookie = m_control->Advise(MakeEventSink(std::move(onEvent)));
    m_widgetRefs = m_control->RefCount();
}

EmbeddedControl::~EmbeddedControl()
{
    m_control->Unadvise(m_cookie);
    // Held by the widget alone, the control runs nothing (a raise and an input handler each hold it):
    // it goes with the widget, and deletes its surface while that is still the widget's child.
    if (m_control->RefCount() <= m_widgetRefs)
        return;
    if (QWidget *surface = m_control->Surface()) {
        surface->hide();
        surface->setParent(nullptr);
    }
}

QSize EmbeddedControl::Size() const
{
    const QWidget *surface = m_control->Surface();
    return surface ? surface->size() : QSize();
}

void EmbeddedControl::FollowSize()
{
    const QSize size = Size();
    if (size.isValid() && m_widget.size() != size) {
        m_widget.setFixedSize(size);
        m_widget.updateGeometry();
    }
}

} // namespace corvane::widgets
