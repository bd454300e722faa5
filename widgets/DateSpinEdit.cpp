#include "corvane/DateSpinEdit.h"

#include "SpinFace.h"
#include "WidgetValues.h"
#include "controls/spin/DateUpDown.h"

namespace corvane
{

class DateSpinEdit::Private
{
public:
    explicit Private(DateSpinEdit &q)
        : q(q)
        , control(MakeObject<DateUpDown>(&q))
        , face((control->InitNew(), control->SetYearRange(widgets::ControlYears()), control),
               q,
               [this](DispId id, std::span<Variant>) {
                   // A step raises Click, an assignment Change.
                   if (id == DateUpDown::kClick || id == DateUpDown::kChange)
                       DateMoved();
               })
        , shown(Date())
    {
    }

    QDate Date() const { return widgets::ToQDate(control->CurrDate()); }

    void DateMoved()
    {
        const QDate now = Date();
        if (now != shown) {
            shown = now;
            Q_EMIT q.dateChanged(now);
        }
    }

    DateSpinEdit &q;
    ObjectPtr<DateUpDown> control;
    widgets::SpinFace face;
    QDate shown;
};

DateSpinEdit::DateSpinEdit(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>(*this))
{
}

DateSpinEdit::~DateSpinEdit() = default;

QDate DateSpinEdit::date() const
{
    return d->Date();
}

void DateSpinEdit::setDate(const QDate &date)
{
    widgets::AssignDay(*d->control, date);
}

DateSpinEdit::Appearance DateSpinEdit::appearance() const
{
    return d->face.Appearance() == 1 ? ThreeD : Flat;
}

void DateSpinEdit::setAppearance(Appearance appearance)
{
    d->face.SetAppearance(appearance == ThreeD ? 1 : 0);
}

QColor DateSpinEdit::backgroundColor() const
{
    return d->face.BackColor();
}

void DateSpinEdit::setBackgroundColor(const QColor &color)
{
    d->face.SetBackColor(color);
}

QColor DateSpinEdit::textColor() const
{
    return d->face.TextColor();
}

void DateSpinEdit::setTextColor(const QColor &color)
{
    d->face.SetTextColor(color);
}

QSize DateSpinEdit::sizeHint() const
{
    return d->face.Size();
}

QSize DateSpinEdit::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace corvane
