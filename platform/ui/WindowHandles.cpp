#include "WindowHandles.h"

#include "WindowSystem.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <unordered_map>

namespace corvane::ui
{

namespace
{

constexpr const char *kHandleProperty = "corvane_hwnd";
constexpr const char *kStyleProperty = "corvane_style";
constexpr Hwnd kFirstHandle = 0x1000;

struct HandleTable {
    Hwnd next = kFirstHandle;
    std::unordered_map<Hwnd, QPointer<QWidget>> widgets;
};

HandleTable &Table()
{
    static HandleTable table;
    return table;
}

// The style bits the window-style calls read or report.
constexpr std::uint32_t kPopupBit = 0x80000000u;
constexpr std::uint32_t kChildBit = 0x40000000u;
constexpr std::uint32_t kVisibleBit = 0x10000000u;
constexpr std::uint32_t kClipSiblingsBit = 0x04000000u;
constexpr std::uint32_t kCaptionBits = 0x00C00000u;
constexpr std::uint32_t kSystemMenuBit = 0x00080000u;

std::uint32_t InitialStyle(const QWidget &widget)
{
    if (!widget.isWindow())
        return kChildBit | kClipSiblingsBit;
    if (widget.windowFlags() & Qt::FramelessWindowHint)
        return kPopupBit | kClipSiblingsBit;
    return kCaptionBits | kSystemMenuBit | kClipSiblingsBit;
}

std::uint32_t StyleOf(const QWidget &widget)
{
    const QVariant stored = widget.property(kStyleProperty);
    const std::uint32_t style = stored.isValid() ? stored.value<std::uint32_t>() : InitialStyle(widget);
    return widget.isVisible() ? style | kVisibleBit : style & ~kVisibleBit;
}

} // namespace

Hwnd HandleOf(QWidget *widget)
{
    if (!widget)
        return 0;
    const QVariant known = widget->property(kHandleProperty);
    if (known.isValid())
        return known.toInt();
    HandleTable &table = Table();
    const Hwnd handle = table.next++;
    table.widgets.emplace(handle, widget);
    widget->setProperty(kHandleProperty, handle);
    QObject::connect(widget, &QObject::destroyed, [handle] { Table().widgets.erase(handle); });
    return handle;
}

QWidget *WidgetOf(Hwnd handle)
{
    const HandleTable &table = Table();
    const auto it = table.widgets.find(handle);
    return it == table.widgets.end() ? nullptr : it->second.data();
}

std::int32_t GetWindowLongA(Hwnd handle, int index)
{
    const QWidget *widget = WidgetOf(handle);
    if (!widget || index != GWL_STYLE)
        return 0;
    return std::int32_t(StyleOf(*widget));
}

std::int32_t SetWindowLongA(Hwnd handle, int index, std::int32_t value)
{
    QWidget *widget = WidgetOf(handle);
    if (!widget || index != GWL_STYLE)
        return 0;
    const std::uint32_t previous = StyleOf(*widget);
    const auto style = std::uint32_t(value);
    widget->setProperty(kStyleProperty, QVariant::fromValue(style));
    if (widget->isWindow()) // a change of style hides the window; the visible bit below shows it again
        SetWindowStyle(*widget, (style & kCaptionBits) == kCaptionBits ? WindowStyle::Framed : WindowStyle::Frameless);
    widget->setVisible(style & kVisibleBit);
    return std::int32_t(previous);
}

} // namespace corvane::ui
