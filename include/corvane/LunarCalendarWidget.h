// Corvane's month calendar as a Qt widget: one Gregorian month as a grid of days, each with its lunar
// day or festival, the lunar year, month and zodiac of the selected day above the grid and the month's
// two solar terms below it. Link Corvane::Widgets (CMake).
//
//     auto *calendar = new corvane::LunarCalendarWidget(this);
//     connect(calendar, &corvane::LunarCalendarWidget::selectionChanged, this, [calendar] {
//         qDebug() << calendar->selectedDate() << calendar->selectedLunarText();
//     });
//
// The widget has a fixed size (sizeHint). Dates are held to [minimumDate, maximumDate], which lie in
// 1901-01-01 .. 2100-12-31; setters clamp as QCalendarWidget's do. The colours follow the application
// palette until they are set; setting an invalid QColor makes one follow the palette again.
#pragma once

#include "corvane/calendar.hpp"

#include <QColor>
#include <QDate>
#include <QWidget>

#include <array>
#include <memory>

namespace corvane
{

class LunarCalendarWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QDate selectedDate READ selectedDate WRITE setSelectedDate NOTIFY selectionChanged USER true)
    Q_PROPERTY(QDate minimumDate READ minimumDate WRITE setMinimumDate RESET resetMinimumDate)
    Q_PROPERTY(QDate maximumDate READ maximumDate WRITE setMaximumDate RESET resetMaximumDate)
    Q_PROPERTY(Appearance appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QColor lunarTextColor READ lunarTextColor WRITE setLunarTextColor)
    Q_PROPERTY(QColor festivalColor READ festivalColor WRITE setFestivalColor)
    Q_PROPERTY(QColor saturdayColor READ saturdayColor WRITE setSaturdayColor)
    Q_PROPERTY(QColor weekdayHeaderColor READ weekdayHeaderColor WRITE setWeekdayHeaderColor)
    Q_PROPERTY(QColor gridBackgroundColor READ gridBackgroundColor WRITE setGridBackgroundColor)
    Q_PROPERTY(
        QColor weekdayHeaderBackgroundColor READ weekdayHeaderBackgroundColor WRITE setWeekdayHeaderBackgroundColor)
    Q_PROPERTY(QColor solarTermBackgroundColor READ solarTermBackgroundColor WRITE setSolarTermBackgroundColor)
    Q_PROPERTY(QColor selectionColor READ selectionColor WRITE setSelectionColor)

public:
    // ThreeD adds a sunken frame (two pixels at 96 dpi) around the same grid.
    enum Appearance {
        Flat,
        ThreeD
    };
    Q_ENUM(Appearance)

    explicit LunarCalendarWidget(QWidget *parent = nullptr);
    ~LunarCalendarWidget() override;

    // Today at first (the system date).
    QDate selectedDate() const;
    QDate minimumDate() const;
    QDate maximumDate() const;
    Appearance appearance() const;

    // The lunar facts of the selected day, from the calendar API.
    lunar_date selectedLunarDate() const;
    // "壬午年 六月 初十": lunar year, month and day names.
    QString selectedLunarText() const;
    // The festival of the selected day, empty when there is none.
    QString selectedFestival() const;
    // The two solar terms of the shown month, in calendar order.
    std::array<solar_term, 2> monthSolarTerms() const;

    // Day numbers Monday to Friday; the lunar line; Sundays and festivals; Saturdays; the Monday to
    // Friday captions; the grid; the week-day strip; the solar-term strip; the selection highlight.
    QColor textColor() const;
    QColor lunarTextColor() const;
    QColor festivalColor() const;
    QColor saturdayColor() const;
    QColor weekdayHeaderColor() const;
    QColor gridBackgroundColor() const;
    QColor weekdayHeaderBackgroundColor() const;
    QColor solarTermBackgroundColor() const;
    QColor selectionColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    // An invalid date is ignored; others are held to [minimumDate, maximumDate].
    void setSelectedDate(const QDate &date);
    // Held to 1901-01-01 .. 2100-12-31; the other bound and the selection follow when they must.
    void setMinimumDate(const QDate &date);
    void setMaximumDate(const QDate &date);
    void resetMinimumDate();
    void resetMaximumDate();
    void setDateRange(const QDate &minimum, const QDate &maximum);
    void setAppearance(Appearance appearance);
    void showToday();

    void setTextColor(const QColor &color);
    void setLunarTextColor(const QColor &color);
    void setFestivalColor(const QColor &color);
    void setSaturdayColor(const QColor &color);
    void setWeekdayHeaderColor(const QColor &color);
    void setGridBackgroundColor(const QColor &color);
    void setWeekdayHeaderBackgroundColor(const QColor &color);
    void setSolarTermBackgroundColor(const QColor &color);
    void setSelectionColor(const QColor &color);

Q_SIGNALS:
    // Once for each change of the selected day, by the user or by a setter.
    void selectionChanged();
    // A click on the grid; the date is the day then selected.
    void clicked(const QDate &date);
    // Enter or a double click on the grid.
    void activated(const QDate &date);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace corvane
