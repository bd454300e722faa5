#pragma once

#include "controls/common/ControlBase.h"
#include "platform/automation/EventSource.h"
#include "platform/automation/ObjectPtr.h"

#include <QSize>

#include <cstdint>
#include <functional>
#include <span>

class QWidget;

namespace corvane::widgets
{

// One control inside a widget of the Qt face: the widget owns the control, shows its surface at its
// own top-left corner, takes its fixed size and focus, and hears its events. The control stays what
// hosts of the automation surface get; nothing here reaches past its public members.
//
// When the widget goes (ordinary parent ownership), the control is released and deletes its surface.
// Should that happen inside one of the control's own events, the surface is first taken out of the
// widget, so that Qt does not delete it under the running handler; the control deletes it once the
// handler is over.
class EmbeddedControl
{
public:
    using EventHandler = std::function<void(DispId, std::span<Variant>)>;

    EmbeddedControl(ObjectPtr<ui::ControlBase> control, QWidget &widget, EventHandler onEvent);
    ~EmbeddedControl();
    EmbeddedControl(const EmbeddedControl &) = delete;
    EmbeddedControl &operator=(const EmbeddedControl &) = delete;

    // The control's surface size in pixels (its fixed extent); the widget's size follows it.
    QSize Size() const;
    // Call after anything that may change the control's extent (its appearance).
    void FollowSize();

private:
    ObjectPtr<ui::ControlBase> m_control;
    QWidget &m_widget;
    EventCookie m_cookie = 0;
    std::uint32_t m_widgetRefs = 0; // the references the widget holds (this one among them)
};

} // namespace corvane::widgets
