#pragma once

#include <QWidget>

class QLabel;

namespace corvane
{
class LunarCalendarWidget;
class LunarDatePicker;
} // namespace corvane

// The calendar and the picker show one date; the label below says what it is in the lunar calendar.
class LunarForm : public QWidget
{
    Q_OBJECT

public:
    explicit LunarForm(QWidget *parent = nullptr);

    corvane::LunarCalendarWidget *calendar() const { return m_calendar; }
    corvane::LunarDatePicker *picker() const { return m_picker; }
    QString lunarText() const;

private:
    void showSelection();

    corvane::LunarCalendarWidget *m_calendar;
    corvane::LunarDatePicker *m_picker;
    QLabel *m_lunar;
};
