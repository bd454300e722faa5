#include "LunarForm.h"

#include <corvane/LunarCalendarWidget.h>
#include <corvane/LunarDatePicker.h>

#include <QLabel>
#include <QVBoxLayout>

LunarForm::LunarForm(QWidget *parent)
    : QWidget(parent)
    , m_calendar(new corvane::LunarCalendarWidget(this))
    , m_picker(new corvane::LunarDatePicker(this))
    , m_lunar(new QLabel(this))
{
    setWindowTitle(QStringLiteral("农历"));
    m_picker->setCaptionFormat(corvane::LunarDatePicker::LunarYearMonthDayWeek);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_picker);
    layout->addWidget(m_calendar);
    layout->addWidget(m_lunar);

    connect(m_calendar, &corvane::LunarCalendarWidget::selectionChanged, this, &LunarForm::showSelection);
    connect(m_picker,
            &corvane::LunarDatePicker::dateChanged,
            m_calendar,
            &corvane::LunarCalendarWidget::setSelectedDate);
    showSelection();
}

QString LunarForm::lunarText() const
{
    return m_lunar->text();
}

void LunarForm::showSelection()
{
    m_picker->setDate(m_calendar->selectedDate());
    QString text = QStringLiteral("农历 ") + m_calendar->selectedLunarText();
    if (const QString festival = m_calendar->selectedFestival(); !festival.isEmpty())
        text += QStringLiteral(" · ") + festival;
    m_lunar->setText(text);
}
