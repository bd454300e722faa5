#include "ControlBase.h"

#include "ControlSurface.h"
#include "platform/automation/AutomationError.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>

namespace corvane::ui
{

namespace
{

thread_local int t_inputDepth = 0; // input handlers running on this thread

// The host must run a QApplication (Qt Widgets) and create controls from its thread, else error
// 429 saying which is missing; the library's font aliases are installed on first use.
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

} // namespace

ControlBase::ControlBase(const ClassInfo &info, const char *surfaceName, SurfaceEvents events, QWidget *surfaceParent)
    : AutomationObject(info)
    , m_events(events)
    , m_scale((EnsureUiReady(), ScreenTwipsScale()))
    , m_connections(std::make_unique<QObject>())
{
    m_surface = new ControlSurface(*this, surfaceParent);
    m_surface->setObjectName(QString::fromUtf8(surfaceName));
}

ControlBase::~ControlBase()
{
    Detach();
    if (ControlSurface *surface = m_surface.data()) {
        if (surface->InputDepth() > 0) {
            // Destroyed from a sink of one of its own input events: the widgets go once the
            // handler has returned.
            surface->hide();
            surface->deleteLater();
        } else {
            delete surface;
        }
    }
}

void ControlBase::Detach() noexcept
{
    m_connections.reset();
    if (m_surface)
        m_surface->Detach();
}

void ControlBase::SurfaceDestroyed() noexcept
{
    m_surface = nullptr;
}

QWidget *ControlBase::Surface() const noexcept
{
    return m_surface.data();
}

void *ControlBase::NativeWindow() const noexcept
{
    return Surface();
}

void ControlBase::SetFixedExtent(int widthTwips, int heightTwips)
{
    m_extent = QSize(widthTwips, heightTwips);
    if (m_surface)
        m_surface->setFixedSize(m_scale.SizeToPixels(widthTwips, heightTwips));
}

void ControlBase::SetFocusTarget(QWidget *target)
{
    if (m_surface)
        m_surface->setFocusProxy(target);
}

void ControlBase::ApplyEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_surface)
        m_surface->setEnabled(enabled);
}

void ControlBase::SetEnabled(bool enabled)
{
    ApplyEnabled(enabled);
    PropertyChanged("Enabled");
}

Hwnd ControlBase::HWnd() const
{
    return HandleOf(m_surface.data());
}

void ControlBase::PropertyChanged(const char *name)
{
    if (m_site)
        m_site->OnPropertyChanged(Class().IdOfName(name).value_or(kNoEvent), name);
}

void ControlBase::Raise(DispId id)
{
    if (id != kNoEvent)
        RaiseEvent(id, {});
}

bool ControlBase::HandlingInput() noexcept
{
    return t_inputDepth > 0;
}

ControlBase::InputScope::InputScope(ControlBase &control)
    : m_hold(&control)
    , m_surface(control.m_surface)
{
    ++t_inputDepth;
    if (m_surface)
        ++m_surface->m_inputDepth;
}

ControlBase::InputScope::~InputScope()
{
    m_hold = nullptr; // may destroy the control; its widgets outlive this handler
    if (m_surface)
        --m_surface->m_inputDepth;
    --t_inputDepth;
}

void ControlBase::SurfaceMouse(DispId id, QMouseEvent &event)
{
    if (id == kNoEvent)
        return;
    const InputScope scope(*this);
    // MouseDown and MouseUp name the button that changed, MouseMove the buttons held.
    std::int16_t button = MouseButtonsOf(event.type() == QEvent::MouseMove ? event.buttons() : event.button());
    std::int16_t shift = ShiftStateOf(event.modifiers());
    float x = float(m_scale.ToTwipsX(event.position().x()));
    float y = float(m_scale.ToTwipsY(event.position().y()));
    RaiseByRef(id, button, shift, x, y);
}

void ControlBase::SurfaceClick(bool doubleClick)
{
    const InputScope scope(*this);
    Raise(doubleClick ? m_events.dblClick : m_events.click);
}

void ControlBase::RaiseKeyPress(const QKeyEvent &event)
{
    const QString text = event.text();
    if (m_events.keyPress == kNoEvent || text.size() != 1)
        return;
    const InputScope scope(*this);
    std::int16_t keyAscii = std::int16_t(text.at(0).unicode());
    RaiseByRef(m_events.keyPress, keyAscii);
}

void ControlBase::RaiseKeyUp(const QKeyEvent &event)
{
    const int code = VirtualKeyOf(event.key());
    if (m_events.keyUp == kNoEvent || code == 0 || event.isAutoRepeat())
        return;
    const InputScope scope(*this);
    std::int16_t keyCode = std::int16_t(code);
    std::int16_t shift = ShiftStateOf(event.modifiers());
    RaiseByRef(m_events.keyUp, keyCode, shift);
}

MemberInfo ControlBase::HWndGetMember(DispId id, const char *help)
{
    return PropertyGet(
        "hWnd",
        id,
        types::I4,
        [](AutomationObject &self, std::span<Variant>, Variant &result) {
            result = std::int32_t(static_cast<ControlBase &>(self).HWnd());
        },
        help);
}

} // namespace corvane::ui
