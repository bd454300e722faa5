#pragma once

#include "ui/support/ShowForInput.h"

#include "controls/common/ControlSite.h"
#include "controls/spin/DateUpDown.h"
#include "controls/spin/SpinButtons.h"
#include "controls/spin/TimeUpDown.h"
#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"
#include "platform/ui/Text.h"
#include "ui/support/RecordingModalRunner.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A shown spin editor of type T on a pinned moment (19 July 2002, 14:05:09), initialised as a newly
// placed control, with every event it raises written down as "Name" or "Name(arg,...)", every property
// it reports and every modal box recorded.
template<class T>
class SpinTest : public testing::Test
{
protected:
    static constexpr corvane::date::Date kToday = 37456.0; // 2002-07-19
    static inline const corvane::date::Date kNow = kToday + corvane::date::FromHms(14, 5, 9);

    struct Site final : corvane::ui::ControlSite {
        void OnPropertyChanged(corvane::DispId, const char *name) override { reported.push_back(name); }
        std::vector<std::string> reported;
    };

    void SetUp() override
    {
        using namespace corvane;
        control->SetSite(&site);
        control->InitNew();
        control->Advise(MakeEventSink([this](DispId id, std::span<Variant> args) {
            std::string text = T::Info().FindEvent(id)->name;
            for (std::size_t i = 0; i < args.size(); ++i) {
                const Variant &v = args[i].Deref();
                text += (i ? "," : "(")
                    + (v.Type() == VarType::R4 ? std::to_string(int(v.AsR4())) : std::to_string(v.AsI2()));
            }
            events.push_back(args.empty() ? text : text + ")");
        }));
        ShowForInput(surface());
        text()->setFocus();
    }

    QWidget *surface() const { return control->Surface(); }
    template<class W = QWidget>
    W *part(const char *name, int index = -1) const
    {
        for (W *widget : surface()->template findChildren<W *>(QString::fromUtf8(name)))
            if (index < 0 || widget->property("Index").toInt() == index)
                return widget;
        return nullptr;
    }
    QLineEdit *text() const { return part<QLineEdit>("TxtDate"); }
    QString shown() const { return text()->text(); }
    QScrollBar *bar(int button) const
    {
        return part<QScrollBar>(T::Info().Name() == std::string("_DateUpDown") ? "VScrollUpDown" : "VScTimeUpDown",
                                button);
    }

    // Clicks the visible middle of a spin button, as a person would.
    void Press(int button)
    {
        QScrollBar *b = bar(button);
        const QWidget *clip = b->parentWidget();
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->mapFrom(clip, clip->rect().center()));
    }
    // Puts the caret, then clicks a button.
    void PressAt(int caret, int button)
    {
        text()->setCursorPosition(caret);
        Press(button);
    }
    // Presses and releases a key in the text box; returns whether the press was taken.
    bool Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &typed = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, typed);
        QApplication::sendEvent(text(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, typed);
        QApplication::sendEvent(text(), &release);
        return press.isAccepted();
    }
    // Writes the value through the control's own setter and forgets what that raised and reported.
    void Set(corvane::date::Date value)
    {
        if constexpr (std::is_same_v<T, corvane::DateUpDown>)
            control->SetCurrDate(value);
        else
            control->SetCurrTime(value);
        events.clear();
        site.reported.clear();
    }
    static QString Q(const char *utf8) { return QString::fromUtf8(utf8); }

    corvane::date::FixedClock clock{kNow};
    corvane::date::ScopedClock pinned{clock};
    RecordingModalRunner modal;
    Site site;
    corvane::ObjectPtr<T> control = corvane::MakeObject<T>();
    std::vector<std::string> events;
};

using DateUpDownTest = SpinTest<corvane::DateUpDown>;
using TimeUpDownTest = SpinTest<corvane::TimeUpDown>;
