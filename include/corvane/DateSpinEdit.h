// Corvane's date spin editor as a Qt widget: a date as "YYYY年MM月DD日" whose year, month or day - the
// field at the caret - the spin buttons (or the Up and Down keys) step, wrapping around between
// 1901-01-01 and 2100-12-31. Link Corvane::Widgets (CMake).
//
//     auto *edit = new corvane::DateSpinEdit(this);
//     connect(edit, &corvane::DateSpinEdit::dateChanged, this, &Form::dateChosen);
//
// The widget has a fixed size (sizeHint). The colours follow the application palette until they are
// set; an invalid QColor makes one follow it again.
#pragma once

#include <QColor>
#include <QDate>
#include <QWidget>

#include <memory>

namespace corvane
{

class DateSpinEdit : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged USER true)
    Q_PROPERTY(Appearance appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    enum Appearance {
        Flat,
        ThreeD
    };
    Q_ENUM(Appearance)

    explicit DateSpinEdit(QWidget *parent = nullptr);
    ~DateSpinEdit() override;

    // Today at first (the system date).
    QDate date() const;
    Appearance appearance() const;
    QColor backgroundColor() const;
    QColor textColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    // An invalid date is ignored; others are held to 1901-01-01 .. 2100-12-31.
    void setDate(const QDate &date);
    void setAppearance(Appearance appearance);
    void setBackgroundColor(const QColor &color);
    void setTextColor(const QColor &color);

Q_SIGNALS:
    // Once for each change of the date, by a setter or a step.
    void dateChanged(const QDate &date);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace corvane
