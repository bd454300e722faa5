#include "WindowHandles.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <unordered_map>

namespace corvane::ui
{

namespace
{

constexpr const char *kHandleProperty = "corvane_hwnd";
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

bool ClientToScreen(Hwnd handle, WinPoint *point)
{
    QWidget *widget = WidgetOf(handle);
    if (!widget || !point)
        return false;
    const QPoint screen = widget->mapToGlobal(QPoint(point->x, point->y));
    *point = {screen.x(), screen.y()};
    return true;
}

} // namespace corvane::ui
