#include "corvane/LunarCalendarWidget.h"

#include "EmbeddedControl.h"
#include "WidgetValues.h"
#include "controls/month/QxMonth.h"
#include "controls/month/QxMonthProperties.h"
#include "platform/date/Clock.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>
#include <chrono>
#include <optional>

namespace corvane
{

namespace
{

// The nine colours, in the order of ColorRole, with the value each takes until it is set: the
// control's own initial colour, except that the numbers, the grid and the lunar line follow the
// palette (the automation defaults are black numbers on a highlight-text grid and dark blue lunar
// text), so a dark theme stays readable.
enum ColorRole {
    kText,
    kLunarText,
    kFestival,
    kSaturday,
    kWeekdayHeader,
    kGrid,
    kWeekdayStrip,
    kTermStrip,
    kSelection
};
struct ColorRow {
    ui::OleColor month::MonthColors::*field;
    const char *name;
    ui::OleColor widgetDefault;
};
constexpr ColorRow Initial(ui::OleColor month::MonthColors::*field)
{
    const auto &row = month::ColorRow(field);
    return {field, row.name, row.initial};
}
constexpr ColorRow Following(ui::OleColor month::MonthColors::*field, ui::OleColor palette)
{
    return {field, month::ColorRow(field).name, palette};
}
constexpr ColorRow kColorRows[] = {
    Following(&month::MonthColors::ForeColor, ui::kWindowTextColor),
    Following(&month::MonthColors::AgrForeColor, 0x8000001A), // link (hot-tracked item)
    Initial(&month::MonthColors::FestForeColor),
    Initial(&month::MonthColors::StForeColor),
    Initial(&month::MonthColors::WeekForeColor),
    Following(&month::MonthColors::DateBackColor, ui::kWindowColor),
    Following(&month::MonthColors::WeekBackColor, ui::kWindowColor),
    Initial(&month::MonthColors::sTermBackColor),
    Initial(&month::MonthColors::SelectColor),
};

std::chrono::year_month_day ToYmd(const QDate &day)
{
    return std::chrono::year{day.year()} / day.month() / day.day();
}

} // namespace

class LunarCalendarWidget::Private
{
public:
    explicit Private(LunarCalendarWidget &q)
        : q(q)
        , control(MakeObject<QxMonth>(&q))
    {
        control->InitNew();
        control->SetYearRange(widgets::ControlYears());
        for (const ColorRow &row : kColorRows)
            control->SetColor(row.field, row.name, row.widgetDefault);
        control->SetCurrDate(date::Today());
        shown = Selected();
        embedded.emplace(control, q, [this](DispId id, std::span<Variant> args) { OnEvent(id, args); });
    }

    QDate Selected() const { return widgets::ToQDate(control->CurrDate()); }

    // Every change of the control's date, by the user or a setter, comes through Change. A day outside
    // the widget's bounds is moved back in; that assignment raises Change again, which reports it.
    void OnEvent(DispId id, std::span<Variant> args)
    {
        switch (id) {
        case QxMonth::kChange:
            SelectionMoved();
            break;
        case QxMonth::kClick:
            Q_EMIT q.clicked(Selected());
            break;
        case QxMonth::kKeyDown:
            if (args[0].Deref().AsI2() == ui::vk::Return)
                Q_EMIT q.activated(Selected());
            break;
        default:
            break;
        }
    }

    void SelectionMoved()
    {
        const QDate now = Selected();
        const QDate bounded = widgets::Bound(minimum, now, maximum);
        if (bounded != now) {
            control->SetCurrDate(widgets::ToDateValue(bounded));
            return;
        }
        if (now != shown) {
            shown = now;
            Q_EMIT q.selectionChanged();
        }
    }

    void Select(const QDate &day)
    {
        const QDate bounded = widgets::Bound(minimum, day, maximum);
        if (bounded != Selected())
            control->SetCurrDate(widgets::ToDateValue(bounded));
    }

    QColor Color(ColorRole role) const { return widgets::ShownColor(control->Colors().*kColorRows[role].field, q); }

    void SetColor(ColorRole role, const QColor &color)
    {
        const ColorRow &row = kColorRows[role];
        const ui::OleColor value = widgets::ToOleColor(color, row.widgetDefault);
        if (control->Colors().*row.field != value)
            control->SetColor(row.field, row.name, value);
    }

    LunarCalendarWidget &q;
    ObjectPtr<QxMonth> control;
    QDate shown;
    QDate minimum = widgets::FirstControlDate();
    QDate maximum = widgets::LastControlDate();
    std::optional<widgets::EmbeddedControl> embedded;
};

LunarCalendarWidget::LunarCalendarWidget(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>(*this))
{
    if (QWidget *grid = findChild<QWidget *>(QStringLiteral("PicMonth")))
        grid->installEventFilter(this);
}

LunarCalendarWidget::~LunarCalendarWidget() = default;

QDate LunarCalendarWidget::selectedDate() const
{
    return d->Selected();
}

void LunarCalendarWidget::setSelectedDate(const QDate &date)
{
    if (date.isValid())
        d->Select(date);
}

QDate LunarCalendarWidget::minimumDate() const
{
    return d->minimum;
}

QDate LunarCalendarWidget::maximumDate() const
{
    return d->maximum;
}

void LunarCalendarWidget::setMinimumDate(const QDate &date)
{
    if (!date.isValid())
        return;
    d->minimum = widgets::BoundToControls(date);
    d->maximum = std::max(d->maximum, d->minimum);
    d->Select(d->Selected());
}

void LunarCalendarWidget::setMaximumDate(const QDate &date)
{
    if (!date.isValid())
        return;
    d->maximum = widgets::BoundToControls(date);
    d->minimum = std::min(d->minimum, d->maximum);
    d->Select(d->Selected());
}

void LunarCalendarWidget::resetMinimumDate()
{
    setMinimumDate(widgets::FirstControlDate());
}

void LunarCalendarWidget::resetMaximumDate()
{
    setMaximumDate(widgets::LastControlDate());
}

void LunarCalendarWidget::setDateRange(const QDate &minimum, const QDate &maximum)
{
    if (!minimum.isValid() || !maximum.isValid())
        return;
    setMinimumDate(minimum);
    setMaximumDate(maximum);
}

void LunarCalendarWidget::showToday()
{
    setSelectedDate(widgets::ToQDate(date::Today()));
}

LunarCalendarWidget::Appearance LunarCalendarWidget::appearance() const
{
    return d->control->Appearance() == 1 ? ThreeD : Flat;
}

void LunarCalendarWidget::setAppearance(Appearance appearance)
{
    const int value = appearance == ThreeD ? 1 : 0;
    if (d->control->Appearance() == value)
        return;
    d->control->SetAppearance(value);
    d->embedded->FollowSize();
}

lunar_date LunarCalendarWidget::selectedLunarDate() const
{
    return to_lunar(ToYmd(selectedDate()));
}

QString LunarCalendarWidget::selectedLunarText() const
{
    const lunar_date lunar = selectedLunarDate();
    return QString::fromStdString(d->control->AgrYearText() + " " + month_name(lunar) + " " + day_name(lunar));
}

QString LunarCalendarWidget::selectedFestival() const
{
    return QString::fromStdString(festival(ToYmd(selectedDate()))).trimmed();
}

std::array<solar_term, 2> LunarCalendarWidget::monthSolarTerms() const
{
    const QDate day = selectedDate();
    return {solar_term_of(day.year(), 2 * day.month() - 1), solar_term_of(day.year(), 2 * day.month())};
}

QColor LunarCalendarWidget::textColor() const
{
    return d->Color(kText);
}
QColor LunarCalendarWidget::lunarTextColor() const
{
    return d->Color(kLunarText);
}
QColor LunarCalendarWidget::festivalColor() const
{
    return d->Color(kFestival);
}
QColor LunarCalendarWidget::saturdayColor() const
{
    return d->Color(kSaturday);
}
QColor LunarCalendarWidget::weekdayHeaderColor() const
{
    return d->Color(kWeekdayHeader);
}
QColor LunarCalendarWidget::gridBackgroundColor() const
{
    return d->Color(kGrid);
}
QColor LunarCalendarWidget::weekdayHeaderBackgroundColor() const
{
    return d->Color(kWeekdayStrip);
}
QColor LunarCalendarWidget::solarTermBackgroundColor() const
{
    return d->Color(kTermStrip);
}
QColor LunarCalendarWidget::selectionColor() const
{
    return d->Color(kSelection);
}
void LunarCalendarWidget::setTextColor(const QColor &color)
{
    d->SetColor(kText, color);
}
void LunarCalendarWidget::setLunarTextColor(const QColor &color)
{
    d->SetColor(kLunarText, color);
}
void LunarCalendarWidget::setFestivalColor(const QColor &color)
{
    d->SetColor(kFestival, color);
}
void LunarCalendarWidget::setSaturdayColor(const QColor &color)
{
    d->SetColor(kSaturday, color);
}
void LunarCalendarWidget::setWeekdayHeaderColor(const QColor &color)
{
    d->SetColor(kWeekdayHeader, color);
}
void LunarCalendarWidget::setGridBackgroundColor(const QColor &color)
{
    d->SetColor(kGrid, color);
}
void LunarCalendarWidget::setWeekdayHeaderBackgroundColor(const QColor &color)
{
    d->SetColor(kWeekdayStrip, color);
}
void LunarCalendarWidget::setSolarTermBackgroundColor(const QColor &color)
{
    d->SetColor(kTermStrip, color);
}
void LunarCalendarWidget::setSelectionColor(const QColor &color)
{
    d->SetColor(kSelection, color);
}

QSize LunarCalendarWidget::sizeHint() const
{
    return d->embedded->Size();
}

QSize LunarCalendarWidget::minimumSizeHint() const
{
    return sizeHint();
}

// The grid's double click: the first press of it selected the day. A program may delete the calendar
// from activated; the control and its grid, which the double click goes on to, then go once the click
// is over.
bool LunarCalendarWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonDblClick || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton
        || !isEnabled())
        return QWidget::eventFilter(watched, event);
    ObjectPtr<QxMonth> hold = d->control;
    const QPointer<LunarCalendarWidget> alive(this);
    Q_EMIT activated(selectedDate());
    if (!alive)
        QMetaObject::invokeMethod(
            qApp,
            [hold] {},
            Qt::QueuedConnection);
    return false;
}

} // namespace corvane
