// Corvane's time spin editor as a Qt widget: a time of day as "hh:mm:ss" whose hours, minutes or
// seconds - the field at the caret - the spin buttons (or the Up and Down keys) step, round the clock.
// Link Corvane::Widgets (CMake).
//
//     auto *edit = new corvane::TimeSpinEdit(this);
//     connect(edit, &corvane::TimeSpinEdit::timeChanged, this, &Form::timeChosen);
//
// The widget has a fixed size (sizeHint). The colours follow the application palette until they are
// set; an invalid QColor makes one follow it again.
#pragma once

#include <QColor>
#include <QTime>
#include <QWidget>

#include <memory>

namespace corvane
{

class TimeSpinEdit : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QTime time READ time WRITE setTime NOTIFY timeChanged USER true)
    Q_PROPERTY(Appearance appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    enum Appearance {
        Flat,
        ThreeD
    };
    Q_ENUM(Appearance)

    explicit TimeSpinEdit(QWidget *parent = nullptr);
    ~TimeSpinEdit() override;

    // The present time at first, to the second.
    QTime time() const;
    Appearance appearance() const;
    QColor backgroundColor() const;
    QColor textColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    // An invalid time is ignored; milliseconds are dropped.
    void setTime(const QTime &time);
    void setAppearance(Appearance appearance);
    void setBackgroundColor(const QColor &color);
    void setTextColor(const QColor &color);

Q_SIGNALS:
    // Once for each change of the time, by a setter or a step.
    void timeChanged(const QTime &time);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace corvane
