#include "CorvaneWidgetCollection.h"

#include "WidgetPlugin.h"

#include <corvane/DateSpinEdit.h>
#include <corvane/LunarCalendarWidget.h>
#include <corvane/LunarDatePicker.h>
#include <corvane/TimeSpinEdit.h>

namespace corvane::designer
{

namespace
{

template<class W>
QWidget *Create(QWidget *parent)
{
    return new W(parent);
}

} // namespace

CorvaneWidgetCollection::CorvaneWidgetCollection(QObject *parent)
    : QObject(parent)
{
    const WidgetDescription widgets[] = {
        {QStringLiteral("corvane::LunarCalendarWidget"),
         QStringLiteral("corvane/LunarCalendarWidget.h"),
         QStringLiteral("月"),
         QStringLiteral("Month calendar with lunar days, festivals and solar terms"),
         QStringLiteral("One Gregorian month as a grid of days, each with its lunar day or festival; the lunar "
                        "year, month and zodiac of the selected day above, the month's solar terms below."),
         QStringLiteral("lunarCalendar"),
         Create<LunarCalendarWidget>},
        {QStringLiteral("corvane::LunarDatePicker"),
         QStringLiteral("corvane/LunarDatePicker.h"),
         QStringLiteral("选"),
         QStringLiteral("Date picker with a drop-down lunar month calendar"),
         QStringLiteral("A one-line box showing the date, optionally with its lunar date and week day; its "
                        "button drops a month calendar down."),
         QStringLiteral("lunarDatePicker"),
         Create<LunarDatePicker>},
        {QStringLiteral("corvane::DateSpinEdit"),
         QStringLiteral("corvane/DateSpinEdit.h"),
         QStringLiteral("日"),
         QStringLiteral("Date spin editor (1901-2100)"),
         QStringLiteral("A date as YYYY年MM月DD日 whose year, month or day the spin buttons step."),
         QStringLiteral("dateSpinEdit"),
         Create<DateSpinEdit>},
        {QStringLiteral("corvane::TimeSpinEdit"),
         QStringLiteral("corvane/TimeSpinEdit.h"),
         QStringLiteral("时"),
         QStringLiteral("Time spin editor"),
         QStringLiteral("A time of day as hh:mm:ss whose hours, minutes or seconds the spin buttons step."),
         QStringLiteral("timeSpinEdit"),
         Create<TimeSpinEdit>},
    };
    for (const WidgetDescription &widget : widgets)
        m_widgets.append(new WidgetPlugin(widget, this));
}

} // namespace corvane::designer
