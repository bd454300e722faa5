#include "corvane/TimeSpinEdit.h"

#include "SpinFace.h"
#include "WidgetValues.h"
#include "controls/spin/TimeUpDown.h"

namespace corvane
{

class TimeSpinEdit::Private
{
public:
    explicit Private(TimeSpinEdit &q)
        : q(q)
        , control(MakeObject<TimeUpDown>(&q))
        , face((control->InitNew(), control),
               q,
               [this](DispId id, std::span<Variant>) {
                   // A step raises Change and Click, an assignment Change twice.
                   if (id == TimeUpDown::kClick || id == TimeUpDown::kChange)
                       TimeMoved();
               })
        , shown(Time())
    {
    }

    QTime Time() const { return widgets::ToQTime(control->CurrTime()); }

    void TimeMoved()
    {
        const QTime now = Time();
        if (now != shown) {
            shown = now;
            Q_EMIT q.timeChanged(now);
        }
    }

    TimeSpinEdit &q;
    ObjectPtr<TimeUpDown> control;
    widgets::SpinFace face;
    QTime shown;
};

TimeSpinEdit::TimeSpinEdit(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>(*this))
{
}

TimeSpinEdit::~TimeSpinEdit() = default;

QTime TimeSpinEdit::time() const
{
    return d->Time();
}

// The day part of the stored value stays.
void TimeSpinEdit::setTime(const QTime &time)
{
    if (!time.isValid())
        return;
    const QTime seconds(time.hour(), time.minute(), time.second());
    if (seconds != d->Time())
        d->control->SetCurrTime(widgets::AtTime(d->control->CurrTime(), seconds));
}

TimeSpinEdit::Appearance TimeSpinEdit::appearance() const
{
    return d->face.Appearance() == 1 ? ThreeD : Flat;
}

void TimeSpinEdit::setAppearance(Appearance appearance)
{
    d->face.SetAppearance(appearance == ThreeD ? 1 : 0);
}

QColor TimeSpinEdit::backgroundColor() const
{
    return d->face.BackColor();
}

void TimeSpinEdit::setBackgroundColor(const QColor &color)
{
    d->face.SetBackColor(color);
}

QColor TimeSpinEdit::textColor() const
{
    return d->face.TextColor();
}

void TimeSpinEdit::setTextColor(const QColor &color)
{
    d->face.SetTextColor(color);
}

QSize TimeSpinEdit::sizeHint() const
{
    return d->face.Size();
}

QSize TimeSpinEdit::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace corvane
