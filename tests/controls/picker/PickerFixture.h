#pragma once

#include "ui/support/ShowForInput.h"

#include "controls/month/MonthGeometry.h"
#include "controls/month/MonthGridWidget.h"
#include "controls/month/QxMonth.h"
#include "controls/picker/FrmMonthView.h"
#include "controls/picker/ModMonthVw.h"
#include "controls/picker/PickerPartWidgets.h"
#include "controls/picker/QxMonthVw.h"
#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"
#include "platform/ui/Redraw.h"
#include "platform/ui/WindowSystem.h"
#include "ui/support/RecordingModalRunner.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The drop-down form's height and top in twips whenever any part of it paints. A step paints only the
// parts it shows, so the recorder watches them all.
class PaintRecorder final : public QObject
{
public:
    explicit PaintRecorder(corvane::FrmMonthView &form)
        : m_form(form)
    {
        form.installEventFilter(this);
        for (QWidget *part : form.findChildren<QWidget *>())
            part->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            heights.push_back(m_form.HeightTwips());
            tops.push_back(m_form.TopTwips());
        }
        return false;
    }
    std::vector<int> heights;
    std::vector<int> tops;

private:
    corvane::FrmMonthView &m_form;
};

// The heights in order, a repeated paint of the same height counted once.
inline std::vector<int> Distinct(std::vector<int> heights)
{
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    return heights;
}

// A newly placed picker on a named host form at (15, 30) pixels, beside a text box that can take the
// focus, on a pinned day (19 July 2002), with its events written down by name. The work area is the
// form's screen as given by the test (1024 x 768 unless changed).
class PickerTest : public testing::Test
{
protected:
    static constexpr corvane::date::Date kToday = 37456.0; // 2002-07-19

    PickerTest()
    {
        using namespace corvane;
        form->setObjectName(QStringLiteral("FrmHost"));
        form->setGeometry(100, 50, 600, 300);
        other = new QLineEdit(form.get());
        other->setObjectName(QStringLiteral("other"));
        other->setGeometry(15, 200, 100, 20);
        picker = MakeObject<QxMonthVw>();
        picker->Surface()->setParent(form.get());
        picker->Surface()->move(15, 30);
        picker->InitNew();
        picker->Advise(MakeEventSink(
            [this](DispId id, std::span<Variant>) { events.push_back(QxMonthVw::Info().FindEvent(id)->name); }));
    }

    ~PickerTest() override
    {
        picker = nullptr;
        corvane::ModMonthVw::State() = {};
    }

    void ShowHost()
    {
        ShowForInput(form.get());
        Settle();
    }

    // Lets focus and activation changes of the platform arrive.
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    // What an opening leaves where the window system did not activate the drop-down: the form open
    // and shown, the host form active with the focus on the drop button, the host form locked.
    void OpenWithoutActivation()
    {
        View().SetHeightTwips(3195);
        View().show();
        Settle();
        QApplication::setActiveWindow(form.get());
        Part("PictBtn")->setFocus();
        Settle();
        State().DropShown = true;
        corvane::ui::LockWindowUpdate(form.get());
        ASSERT_EQ(QApplication::focusWidget(), Part("PictBtn"));
    }

    QWidget *Part(const char *name) const { return picker->Surface()->findChild<QWidget *>(QString::fromUtf8(name)); }
    // LabCmb, which the box paints.
    const ::corvane::picker::CaptionLabel &Caption() const
    {
        return static_cast<::corvane::picker::PickerBox *>(Part("PicCmb"))->Caption();
    }
    QScrollBar *DropButton() const { return picker->Surface()->findChild<QScrollBar *>(QStringLiteral("PictBtn")); }
    // A click on the drop button's arrow, as the bar reports it.
    void ClickDropButton() { DropButton()->triggerAction(QAbstractSlider::SliderSingleStepAdd); }
    // Closes the open drop-down with its button, then the focus leaves the picker and comes back: the
    // focus entry that would hand over a picked date.
    void CloseAndComeBack()
    {
        ClickDropButton();
        other->setFocus();
        Part("PictBtn")->setFocus();
        Settle();
    }

    // The drop-down form, loaded now if no opening has loaded it yet.
    static corvane::FrmMonthView &View() { return corvane::FrmMonthView::Load(); }
    static corvane::month::MonthGridWidget *DropGrid()
    {
        return View().findChild<corvane::month::MonthGridWidget *>(QStringLiteral("PicMonth"));
    }
    // A click on a day of the month the open drop-down shows, in the middle of its cell; returns the
    // date of that day.
    static corvane::date::Date ClickDropDay(int day)
    {
        using namespace corvane;
        const date::Ymd shown = date::YmdOf(View().MonthDrop().CurrDate());
        month::MonthGridWidget *grid = DropGrid();
        const QPoint point =
            grid->CellRect(month::PlaceDay(month::FirstDayOffset(shown.year, shown.month), day)).center();
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, point);
        return date::FromYmd(shown.year, shown.month, day);
    }
    static corvane::ModMonthVw::DropState &State() { return corvane::ModMonthVw::State(); }

    corvane::date::FixedClock clock{kToday};
    corvane::date::ScopedClock pinned{clock};
    corvane::ui::ScopedWorkArea workArea{QRect(0, 0, 1024, 768)};
    RecordingModalRunner modal;
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QLineEdit *other = nullptr;
    corvane::ObjectPtr<corvane::QxMonthVw> picker;
    std::vector<std::string> events;
};
