#include "corvane/LunarDatePicker.h"

#include "EmbeddedControl.h"
#include "WidgetValues.h"
#include "controls/picker/FrmMonthView.h"
#include "controls/picker/ModMonthVw.h"
#include "controls/picker/QxMonthVw.h"
#include "controls/picker/QxMonthVwProperties.h"

#include <QEvent>
#include <QPointer>
#include <QScrollBar>

#include <functional>
#include <optional>

namespace corvane
{

namespace
{

// The box takes the control's initial background (the window's) and, unlike the control (button
// text), the window text that goes with it, so the caption follows the palette.
constexpr ui::OleColor kTextDefault = ui::kWindowTextColor;

// Hears the shared drop-down form being shown, hidden or unloaded. The picker's state is read once
// the step that did it is over: an opening shows the form before it counts as open, and a closing
// hides it before the drop-down state follows.
class DropFormWatch final : public QObject
{
public:
    explicit DropFormWatch(std::function<void()> follow)
        : m_follow(std::move(follow))
    {
    }

    void Watch(QWidget *form)
    {
        if (!form || form == m_form)
            return;
        m_form = form;
        form->installEventFilter(this);
        connect(form, &QObject::destroyed, this, [this] { FollowLater(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            FollowLater();
        return QObject::eventFilter(watched, event);
    }

private:
    void FollowLater() { QMetaObject::invokeMethod(this, m_follow, Qt::QueuedConnection); }

    std::function<void()> m_follow;
    QPointer<QWidget> m_form;
};

} // namespace

class LunarDatePicker::Private
{
public:
    explicit Private(LunarDatePicker &q)
        : q(q)
        , control(MakeObject<QxMonthVw>(&q))
    {
        // A control just built holds what a new one holds (InitNew), but for today's date, which the
        // widget starts with.
        control->SetYearRange(widgets::ControlYears());
        control->SetDropShowsItsDate(true);
        control->SetForeColor(kTextDefault);
        shown = Date();
        embedded.emplace(control, q, [this](DispId id, std::span<Variant>) {
            const QPointer<LunarDatePicker> alive(&this->q); // a program may delete the picker from dateChanged
            if (id == QxMonthVw::kChange)
                DateMoved();
            if (alive)
                FollowDropDown();
        });
        // Connected after the control's own handler: the button's press has opened or closed the
        // drop-down when this runs.
        if (auto *button = q.findChild<QScrollBar *>(QStringLiteral("PictBtn")))
            QObject::connect(button, &QScrollBar::valueChanged, &dropWatch, [this] { FollowDropDown(); });
    }

    // Reports the drop-down's visibility when it differs from the last report. Closings come by many
    // ways (a pick, Escape, the focus leaving, another picker opening); each ends in the form hidden.
    void FollowDropDown()
    {
        dropWatch.Watch(FrmMonthView::Loaded());
        const bool now = q.isDropDownVisible();
        if (now != dropShown) {
            dropShown = now;
            Q_EMIT q.dropDownVisibleChanged(now);
        }
    }

    QDate Date() const { return widgets::ToQDate(control->CurrDate()); }

    // Change comes after every assignment and after a day is taken from the drop-down.
    void DateMoved()
    {
        const QDate now = Date();
        if (now != shown) {
            shown = now;
            Q_EMIT q.dateChanged(now);
        }
    }

    LunarDatePicker &q;
    ObjectPtr<QxMonthVw> control;
    QDate shown;
    bool dropShown = false;
    DropFormWatch dropWatch{[this] { FollowDropDown(); }};
    std::optional<widgets::EmbeddedControl> embedded;
};

LunarDatePicker::LunarDatePicker(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>(*this))
{
}

LunarDatePicker::~LunarDatePicker() = default;

QDate LunarDatePicker::date() const
{
    return d->Date();
}

void LunarDatePicker::setDate(const QDate &date)
{
    widgets::AssignDay(*d->control, date);
}

LunarDatePicker::CaptionFormat LunarDatePicker::captionFormat() const
{
    const std::int32_t format = d->control->AgrDateFormat();
    return format >= Week && format <= LunarMonthDayWeek ? CaptionFormat(format) : DateOnly;
}

void LunarDatePicker::setCaptionFormat(CaptionFormat format)
{
    if (format != captionFormat())
        d->control->SetAgrDateFormat(format);
}

QString LunarDatePicker::caption() const
{
    return QString::fromStdString(d->control->Caption());
}

bool LunarDatePicker::isDropDownVisible() const
{
    const FrmMonthView *form = FrmMonthView::Loaded();
    return ModMonthVw::State().DropShown && form && form->isVisible() && form->Opener() != nullptr
        && form->Opener() == d->control->Surface();
}

void LunarDatePicker::setDropDownVisible(bool visible)
{
    if (visible == isDropDownVisible())
        return;
    // The button closes whatever drop-down stands open, and opens one when none does.
    if (visible && ModMonthVw::State().DropShown)
        d->control->VScBtn_Change(1);
    d->control->VScBtn_Change(1);
    d->FollowDropDown();
}

QColor LunarDatePicker::backgroundColor() const
{
    return widgets::ShownColor(d->control->BackColor(), *this);
}

void LunarDatePicker::setBackgroundColor(const QColor &color)
{
    const ui::OleColor value = widgets::ToOleColor(color, picker::kBackColor.initial);
    if (value != d->control->BackColor())
        d->control->SetBackColor(value);
}

QColor LunarDatePicker::textColor() const
{
    return widgets::ShownColor(d->control->ForeColor(), *this);
}

void LunarDatePicker::setTextColor(const QColor &color)
{
    const ui::OleColor value = widgets::ToOleColor(color, kTextDefault);
    if (value != d->control->ForeColor())
        d->control->SetForeColor(value);
}

QSize LunarDatePicker::sizeHint() const
{
    return d->embedded->Size();
}

QSize LunarDatePicker::minimumSizeHint() const
{
    return sizeHint();
}

// The widget's font is the control's Font property, which hosts save with the control.
void LunarDatePicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        d->control->SetFont(ObjectHandle(MakeObject<StdFont>(widgets::FontDescription(font()))));
    QWidget::changeEvent(event);
}

} // namespace corvane
