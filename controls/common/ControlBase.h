#pragma once

#include "ControlSite.h"
#include "platform/automation/AutomationObject.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowHandles.h"

#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

class QKeyEvent;
class QMouseEvent;
class QObject;
class QWidget;

namespace corvane::ui
{

class ControlSurface;

// The event ids a class gives the input of its own surface; kNoEvent for an event it lacks.
inline constexpr DispId kNoEvent = 0;
struct SurfaceEvents {
    DispId click = kNoEvent;
    DispId dblClick = kNoEvent;
    DispId keyPress = kNoEvent; // (KeyAscii)
    DispId keyUp = kNoEvent; // (KeyCode, Shift)
    DispId mouseDown = kNoEvent; // (Button, Shift, x, y), x and y in twips
    DispId mouseMove = kNoEvent;
    DispId mouseUp = kNoEvent;
};

// The base of every visual control: an automation object joined to a Qt widget, its surface.
//
// - The surface has a fixed size in twips (SetFixedExtent); hosts cannot resize it.
// - Enabled switches the surface and so every part of the control; hWnd is the surface's handle.
// - Setters report changed properties to the site (PropertyChanged), so the host saves them.
// - Input on the surface itself raises the surface events; parts raise their own through Raise and
//   RaiseByRef, whose by-reference arguments come back as the sinks leave them.
// - Objects are created through the automation layer (MakeObject); the surface belongs to the object
//   and goes with it. A host may put the surface into its own window; if the host destroys it first,
//   Surface() becomes null as the destruction begins and the control keeps only its state.
// - System colours are resolved through the surface's palette, again whenever it changes.
class ControlBase : public AutomationObject
{
public:
    ~ControlBase() override;

    QWidget *Surface() const noexcept;
    // The surface, as the QWidget * hosts place on their forms (null once it is gone).
    void *NativeWindow() const noexcept override;
    void SetSite(ControlSite *site) noexcept { m_site = site; }
    ControlSite *Site() const noexcept { return m_site; }

    // The fixed size, in twips.
    QSize ExtentTwips() const noexcept { return m_extent; }
    const TwipsScale &Scale() const noexcept { return m_scale; }

    bool Enabled() const noexcept { return m_enabled; }
    // Switches the surface and its parts and reports "Enabled"; nothing is repainted.
    void SetEnabled(bool enabled);
    // The surface's window handle; 0 once the surface is gone.
    Hwnd HWnd() const;

    // Whether an input handler of a control of this thread is running (InputScope): what such a
    // handler may still use is deleted later, not at once.
    static bool HandlingInput() noexcept;

    // The member row every control shares, under the id and help string of the class.
    static MemberInfo HWndGetMember(DispId id, const char *help = "");

protected:
    // Checks that the platform is ready (EnsureUiReady) and builds the surface, named `surfaceName`,
    // as a child of `surfaceParent` when a widget that embeds the control gives one (moving a built
    // surface into a widget redoes the palette, font and style of every part).
    ControlBase(const ClassInfo &info, const char *surfaceName, SurfaceEvents events, QWidget *surfaceParent = nullptr);

    void SetFixedExtent(int widthTwips, int heightTwips);
    // Switches the surface and its parts without reporting (loading).
    void ApplyEnabled(bool enabled);
    // The part that takes the focus whenever the control gets it.
    void SetFocusTarget(QWidget *target);
    // Reports a property by name to the site, with its dispatch id from the class's member table.
    void PropertyChanged(const char *name);

    // The context of every signal connection a control makes to its parts: deleted with the control
    // (in Detach), so no connection outlives it.
    QObject *Connections() const noexcept { return m_connections.get(); }

    // Held by every input handler of the control and its parts for as long as it runs. It keeps the
    // object alive while sinks run (a sink may release the host's last reference), and should the
    // object go meanwhile, its widgets are deleted after the handler returns, not under it.
    class InputScope
    {
    public:
        explicit InputScope(ControlBase &control);
        ~InputScope();
        InputScope(const InputScope &) = delete;
        InputScope &operator=(const InputScope &) = delete;

    private:
        ObjectHandle m_hold;
        QPointer<ControlSurface> m_surface;
    };

    // Raises an event without arguments. Sinks that fail are ignored: user input has nobody to
    // report to.
    void Raise(DispId id);
    // Raises an event whose arguments are all by reference (std::int16_t or float variables) and
    // writes back what the sinks leave in them.
    template<class... T>
    void RaiseByRef(DispId id, T &...values)
    {
        std::array<Variant, sizeof...(T)> targets{Variant(values)...};
        RaiseWithRefsTo(id, targets, std::index_sequence_for<T...>{});
        std::size_t i = 0;
        ((values = ReadBack<T>(targets[i++])), ...);
    }

    // KeyPress (KeyAscii) for a key that types one character, KeyUp (KeyCode, Shift) for a released
    // key with a key code (auto-repeat releases excepted): for the surface and for parts that pass
    // their keys on like the surface.
    void RaiseKeyPress(const QKeyEvent &event);
    void RaiseKeyUp(const QKeyEvent &event);

    // Detaches the surface and the parts from this object (called first by the destructor of each
    // control class, and again here): input after it raises nothing.
    void Detach() noexcept;

    // The surface's palette changed - the desktop's colours or the host's: the control resolves its
    // system colours again and repaints.
    virtual void SurfacePaletteChanged() { }

private:
    friend class ControlSurface;
    template<class T>
    static T ReadBack(const Variant &value);
    template<std::size_t N, std::size_t... I>
    void RaiseWithRefsTo(DispId id, std::array<Variant, N> &targets, std::index_sequence<I...>)
    {
        const std::array<Variant, N> refs{Variant::Ref(targets[I])...};
        RaiseEvent(id, refs);
    }

    void SurfaceMouse(DispId id, QMouseEvent &event);
    void SurfaceClick(bool doubleClick);
    // The host destroys the surface itself: from now on the control has no widgets, even while Qt is
    // still taking the half-destroyed surface apart.
    void SurfaceDestroyed() noexcept;

    SurfaceEvents m_events;
    TwipsScale m_scale;
    QSize m_extent;
    bool m_enabled = true;
    ControlSite *m_site = nullptr;
    QPointer<ControlSurface> m_surface;
    std::unique_ptr<QObject> m_connections;
};

template<>
inline std::int16_t ControlBase::ReadBack<std::int16_t>(const Variant &value)
{
    return value.AsI2();
}
template<>
inline float ControlBase::ReadBack<float>(const Variant &value)
{
    return value.AsR4();
}

} // namespace corvane::ui
