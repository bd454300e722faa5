#include "WindowLong.h"

#include <QVariant>
#include <QWidget>

namespace corvane::ui
{

namespace
{

constexpr const char *kStyleProperty = "corvane_style";

std::uint32_t StoredStyle(const QWidget &widget)
{
    const QVariant stored = widget.property(kStyleProperty);
    const std::uint32_t style = stored.isValid() ? stored.value<std::uint32_t>() : DefaultStyleOf(widget);
    return widget.isVisible() ? style | WS_VISIBLE : style & ~WS_VISIBLE;
}

} // namespace

Qt::WindowFlags WindowFlagsOfStyle(std::uint32_t style)
{
    if ((style & WS_CAPTION) != WS_CAPTION)
        return Qt::Tool | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

std::uint32_t DefaultStyleOf(const QWidget &widget)
{
    std::uint32_t style = WS_CLIPSIBLINGS;
    if (!widget.isWindow())
        style |= WS_CHILD;
    else if (widget.windowFlags() & Qt::FramelessWindowHint)
        style |= WS_POPUP;
    else
        style |= WS_CAPTION | WS_SYSMENU;
    if (widget.isVisible())
        style |= WS_VISIBLE;
    return style;
}

std::int32_t GetWindowLongA(Hwnd handle, int index)
{
    const QWidget *widget = WidgetOf(handle);
    if (!widget || index != GWL_STYLE)
        return 0;
    return std::int32_t(StoredStyle(*widget));
}

std::int32_t SetWindowLongA(Hwnd handle, int index, std::int32_t value)
{
    QWidget *widget = WidgetOf(handle);
    if (!widget || index != GWL_STYLE)
        return 0;
    const std::uint32_t previous = StoredStyle(*widget);
    const std::uint32_t style = std::uint32_t(value);
    widget->setProperty(kStyleProperty, QVariant::fromValue(style));
    if (widget->isWindow()) {
        const Qt::WindowFlags flags = WindowFlagsOfStyle(style);
        if (widget->windowFlags() != flags)
            widget->setWindowFlags(flags); // hides the window; WS_VISIBLE below shows it again
    }
    widget->setVisible(style & WS_VISIBLE);
    return std::int32_t(previous);
}

} // namespace corvane::ui
