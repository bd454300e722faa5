#pragma once

#include "ui/support/ShowForInput.h"

#include "controls/month/MonthGeometry.h"
#include "controls/month/MonthGridWidget.h"
#include "controls/month/QxMonth.h"
#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"
#include "ui/support/RecordingModalRunner.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A shown QxMonth on a pinned day (19 July 2002, 10:00), initialised as a newly placed control,
// with every event it raises written down as "Name(arg,...)" and modal boxes recorded.
class QxMonthTest : public testing::Test
{
protected:
    static constexpr corvane::date::Date kToday = 37456.0; // 2002-07-19

    void SetUp() override
    {
        using namespace corvane;
        control->InitNew();
        control->Advise(MakeEventSink([this](DispId id, std::span<Variant> args) {
            std::string text = QxMonth::Info().FindEvent(id)->name;
            text += "(";
            for (std::size_t i = 0; i < args.size(); ++i) {
                const Variant &v = args[i].Deref();
                text += (i ? "," : "")
                    + (v.Type() == VarType::R4 ? std::to_string(int(v.AsR4())) : std::to_string(v.AsI2()));
            }
            events.push_back(text + ")");
            if (onEvent)
                onEvent(id, args);
        }));
        ShowForInput(surface());
        grid()->setFocus();
    }

    QWidget *surface() const { return control->Surface(); }
    corvane::month::MonthGridWidget *grid() const { return part<corvane::month::MonthGridWidget>("PicMonth"); }
    template<class T = QWidget>
    T *part(const char *name) const
    {
        return surface()->findChild<T *>(QString::fromUtf8(name));
    }

    // Selects a day through the property and forgets the events that raised.
    void Select(int year, int month, int day, double time = 0)
    {
        control->SetCurrDate(corvane::date::FromYmd(year, month, day) + time);
        events.clear();
    }
    corvane::date::Ymd Current() const { return corvane::date::YmdOf(control->CurrDate()); }

    // Presses and releases a key in the grid; returns whether the press was consumed.
    bool Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(grid(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(grid(), &release);
        return press.isAccepted();
    }

    // The centre of a day's cell in grid pixels.
    QPoint DayPoint(int day) const
    {
        const corvane::date::Ymd shown = Current();
        return grid()
            ->CellRect(corvane::month::PlaceDay(corvane::month::FirstDayOffset(shown.year, shown.month), day))
            .center();
    }

    corvane::date::FixedClock clock{kToday + corvane::date::FromHms(10, 0, 0)};
    corvane::date::ScopedClock pinned{clock};
    RecordingModalRunner modal;
    corvane::ObjectPtr<corvane::QxMonth> control = corvane::MakeObject<corvane::QxMonth>();
    std::vector<std::string> events;
    std::function<void(corvane::DispId, std::span<corvane::Variant>)> onEvent;
};
