// The picker under a careless host: hosts that release pickers or delete their form from inside the
// picker's events or a neighbour's, other handlers running in the middle of an opening, window systems
// that do not activate the drop-down, a host that deletes a focused picker's window, and the keyboard
// walking through a form. Run under AddressSanitizer, a use of freed memory fails the run.
#include "PickerFixture.h"

#include "platform/date/DateFormat.h"

#include <QPointer>
#include <QPushButton>

#include <functional>

using namespace corvane;

namespace
{

// A second picker, a month calendar and a button on the host form, beside the fixture's picker and
// text box, and a way to tell which control holds the focus.
class HostTest : public PickerTest
{
protected:
    HostTest()
    {
        second = MakeObject<QxMonthVw>();
        second->Surface()->setParent(form.get());
        second->Surface()->move(15, 60);
        second->InitNew();
        calendar = MakeObject<QxMonth>();
        calendar->Surface()->setParent(form.get());
        calendar->Surface()->move(300, 30);
        calendar->InitNew();
        button = new QPushButton(QStringLiteral("确定"), form.get());
        button->setGeometry(15, 240, 80, 24);
    }

    ~HostTest() override
    {
        second = nullptr;
        calendar = nullptr;
    }

    month::MonthGridWidget *MonthGrid() const
    {
        return calendar->Surface()->findChild<month::MonthGridWidget *>(QStringLiteral("PicMonth"));
    }

    // The name of the control holding the focus.
    std::string FocusHolder() const
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return "nothing";
        if (focus == other)
            return "text box";
        if (focus == button)
            return "button";
        if (picker && picker->Surface() && picker->Surface()->isAncestorOf(focus))
            return "picker";
        if (second && second->Surface() && second->Surface()->isAncestorOf(focus))
            return "second picker";
        return focus->objectName().toStdString();
    }

    // Whether the month calendar on the host form draws its grid: a locked window leaves it black.
    bool MonthGridPaints() const
    {
        const QImage image = MonthGrid()->grab().toImage();
        return image.pixelColor(2, 2) != QColor(Qt::black);
    }

    // A picker on a form of its own opens, and a click on a day picks it: Change once, the date held,
    // the drop-down closed and the form unlocked.
    static void ExpectAFreshPickerPicks()
    {
        QWidget host;
        host.setObjectName(QStringLiteral("FrmNext"));
        host.setGeometry(120, 60, 400, 200);
        ObjectPtr<QxMonthVw> next = MakeObject<QxMonthVw>();
        next->Surface()->setParent(&host);
        next->Surface()->move(10, 10);
        next->InitNew();
        int changes = 0;
        next->Advise(MakeEventSink([&changes](DispId id, std::span<Variant>) { changes += id == QxMonthVw::kChange; }));
        ShowForInput(&host);
        Settle();
        next->Surface()
            ->findChild<QScrollBar *>(QStringLiteral("PictBtn"))
            ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        Settle();
        ASSERT_NE(FrmMonthView::Loaded(), nullptr);
        ASSERT_TRUE(ModMonthVw::State().DropShown);
        ASSERT_TRUE(FrmMonthView::Loaded()->isVisible());
        const date::Date picked = ClickDropDay(20);
        Settle();
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(next->CurrDate(), picked);
        EXPECT_FALSE(ModMonthVw::State().DropShown);
        EXPECT_FALSE(ModMonthVw::State().DropDatePicked);
        EXPECT_EQ(ui::LockedWindow(), nullptr);
    }

    corvane::ObjectPtr<QxMonthVw> second;
    corvane::ObjectPtr<QxMonth> calendar;
    QPushButton *button = nullptr;
};

// ---- a host releasing pickers or its form from inside events ------------------------------------

enum class Trigger {
    PickerChange, // the picker's Change after a pick
    MonthClick, // a click on the month calendar of the host form while the drop-down is open
    MonthKeyDown, // a key in that calendar's grid while the drop-down is open
};

enum class HostAction {
    ReleasePicker,
    ReleaseOtherPicker, // which unloads the shared drop-down form
    DeleteForm,
};

struct ReleaseCase {
    const char *name;
    Trigger trigger;
    HostAction action;
};

class ReleaseInEvent : public HostTest, public testing::WithParamInterface<ReleaseCase>
{
protected:
    void Act()
    {
        if (acted)
            return;
        acted = true;
        switch (GetParam().action) {
        case HostAction::ReleasePicker:
            picker = nullptr;
            break;
        case HostAction::ReleaseOtherPicker:
            second = nullptr;
            break;
        case HostAction::DeleteForm:
            other = nullptr;
            button = nullptr;
            form.reset();
            break;
        }
    }

    bool acted = false;
};

TEST_P(ReleaseInEvent, NothingBreaksAndTheNextPickerPicks)
{
    const Trigger trigger = GetParam().trigger;
    picker->Advise(MakeEventSink([this, trigger](DispId id, std::span<Variant>) {
        if (trigger == Trigger::PickerChange && id == QxMonthVw::kChange)
            Act();
    }));
    calendar->Advise(MakeEventSink([this, trigger](DispId id, std::span<Variant>) {
        if ((trigger == Trigger::MonthClick && id == QxMonth::kClick)
            || (trigger == Trigger::MonthKeyDown && id == QxMonth::kKeyDown))
            Act();
    }));
    ShowHost();
    ClickDropButton();
    Settle();
    ASSERT_TRUE(State().DropShown);
    ASSERT_TRUE(View().isVisible());

    switch (trigger) {
    case Trigger::PickerChange:
        ClickDropDay(12);
        break;
    case Trigger::MonthClick:
        // The press reaches the calendar while the drop-down still has the focus.
        QTest::mousePress(MonthGrid(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));
        form->activateWindow();
        QTest::mouseRelease(MonthGrid(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));
        break;
    case Trigger::MonthKeyDown:
        form->activateWindow();
        MonthGrid()->setFocus();
        QTest::keyClick(MonthGrid(), Qt::Key_Right);
        break;
    }
    Settle();
    QTest::qWait(20);
    EXPECT_TRUE(acted) << "the host's handler ran";
    EXPECT_FALSE(State().DropShown);
    EXPECT_EQ(ui::LockedWindow(), nullptr);
    if (form) {
        EXPECT_TRUE(MonthGridPaints());
        form.reset();
    }
    picker = nullptr;
    second = nullptr;
    Settle();
    ExpectAFreshPickerPicks();
}

INSTANTIATE_TEST_SUITE_P(
    Hosts,
    ReleaseInEvent,
    testing::Values(
        ReleaseCase{"ReleaseThePickerInItsChange", Trigger::PickerChange, HostAction::ReleasePicker},
        ReleaseCase{"ReleaseAnotherPickerInChange", Trigger::PickerChange, HostAction::ReleaseOtherPicker},
        ReleaseCase{"DeleteTheFormInChange", Trigger::PickerChange, HostAction::DeleteForm},
        ReleaseCase{"ReleaseThePickerInAMonthClick", Trigger::MonthClick, HostAction::ReleasePicker},
        ReleaseCase{"ReleaseAnotherPickerInAMonthClick", Trigger::MonthClick, HostAction::ReleaseOtherPicker},
        ReleaseCase{"DeleteTheFormInAMonthClick", Trigger::MonthClick, HostAction::DeleteForm},
        ReleaseCase{"ReleaseThePickerInAMonthKeyDown", Trigger::MonthKeyDown, HostAction::ReleasePicker},
        ReleaseCase{"ReleaseAnotherPickerInAMonthKeyDown", Trigger::MonthKeyDown, HostAction::ReleaseOtherPicker},
        ReleaseCase{"DeleteTheFormInAMonthKeyDown", Trigger::MonthKeyDown, HostAction::DeleteForm}),
    [](const testing::TestParamInfo<ReleaseCase> &info) { return std::string(info.param.name); });

// ---- handlers running in the middle of an opening ------------------------------------------------

// Runs `action` once from the pending events of the opening's second pump: the opening moves the
// focus to the drop button between its two pumps, and a call posted then runs in the second.
class SecondPumpAction final : public QObject
{
public:
    SecondPumpAction(QWidget *dropButtonFrame, std::function<void()> action)
        : m_frame(dropButtonFrame)
        , m_action(std::move(action))
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (now == m_frame && m_action)
                QMetaObject::invokeMethod(this, std::exchange(m_action, {}), Qt::QueuedConnection);
        });
    }

private:
    QPointer<QWidget> m_frame;
    std::function<void()> m_action;
};

struct PumpCase {
    const char *name;
    bool destroyThePickersWindow; // else another picker is released, unloading the shared form
};

class HandlerInOpening : public HostTest, public testing::WithParamInterface<PumpCase>
{
};

TEST_P(HandlerInOpening, EveryWayOutOfTheOpeningReleasesTheLock)
{
    ShowHost();
    const SecondPumpAction during(Part("PictBtn"), [this] {
        if (GetParam().destroyThePickersWindow)
            delete picker->Surface();
        else
            second = nullptr;
    });
    ClickDropButton();
    Settle();
    EXPECT_EQ(ui::LockedWindow(), nullptr);
    EXPECT_FALSE(State().DropShown);
    EXPECT_TRUE(MonthGridPaints()) << "the host form repaints";
    picker = nullptr;
    second = nullptr;
    ExpectAFreshPickerPicks();
}

INSTANTIATE_TEST_SUITE_P(Hosts,
                         HandlerInOpening,
                         testing::Values(PumpCase{"ThePickersWindowDestroyed", true},
                                         PumpCase{"AnotherPickerReleased", false}),
                         [](const testing::TestParamInfo<PumpCase> &info) { return std::string(info.param.name); });

// The shared form unloaded by a handler that runs while the opening waits for the form to be shown.
TEST_F(HostTest, TheFormUnloadedWhileItIsBeingShownEndsTheOpening)
{
    ShowHost();
    struct ShowWatcher final : QObject {
        std::function<void()> onShow;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Show && onShow)
                QMetaObject::invokeMethod(this, std::exchange(onShow, {}), Qt::QueuedConnection);
            return false;
        }
    } watcher;
    watcher.onShow = [this] { second = nullptr; };
    View().installEventFilter(&watcher);
    ClickDropButton();
    Settle();
    EXPECT_EQ(FrmMonthView::Loaded(), nullptr) << "the form went with the other picker";
    EXPECT_FALSE(State().DropShown);
    EXPECT_EQ(ui::LockedWindow(), nullptr);
    EXPECT_TRUE(MonthGridPaints());
    ExpectAFreshPickerPicks();
}

// Two presses of the drop button waiting together: the first opens, the second arrives while the
// opening runs and is ignored.
TEST_F(HostTest, APressDuringAnOpeningIsIgnored)
{
    ShowHost();
    const PaintRecorder paints(View());
    QScrollBar *button = DropButton();
    const QPoint arrow(button->width() / 2, button->height() - 4);
    for (int i = 0; i < 2; ++i) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const QPoint global = button->mapToGlobal(arrow);
            const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QCoreApplication::postEvent(button,
                                        new QMouseEvent(type, arrow, global, Qt::LeftButton, held, Qt::NoModifier));
        }
    }
    Settle();
    EXPECT_TRUE(State().DropShown);
    EXPECT_EQ(View().TopTwips(), 1485) << "the picker's bottom edge, counted once";
    EXPECT_EQ(Distinct(paints.heights), (std::vector<int>{195, 795, 1395, 1995, 2595, 3195}))
        << "the opening animation played once";
    ClickDropButton();
    EXPECT_FALSE(State().DropShown);
}

// ---- window systems that do not activate the drop-down -------------------------------------------

TEST_F(HostTest, APickReachesThePickerWhenTheDropDownNeverBecameActive)
{
    picker->SetAgrDateFormat(3);
    ShowHost();
    events.clear();
    OpenWithoutActivation();

    const date::Date picked = ClickDropDay(5);
    Settle();
    EXPECT_EQ(events, std::vector<std::string>{"Change"});
    EXPECT_EQ(picker->CurrDate(), picked);
    EXPECT_EQ(picker->Caption().substr(0, 17), date::Format(picked, date::kChineseDatePattern));
    EXPECT_FALSE(State().DropShown);
    EXPECT_FALSE(State().DropDatePicked);
    EXPECT_EQ(ui::LockedWindow(), nullptr);
    EXPECT_FALSE(View().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Part("PictBtn"));
}

// ---- a host deleting a focused picker's window ----------------------------------------------------

TEST_F(HostTest, DeletingTheWindowOfAFocusedPickerLeavesAControlThatStillAnswers)
{
    ShowHost();
    Part("PictBtn")->setFocus();
    Settle();
    ASSERT_EQ(FocusHolder(), "picker");
    delete picker->Surface();
    Settle();
    EXPECT_EQ(picker->Surface(), nullptr);
    picker->SetCurrDate(date::FromYmd(2002, 2, 12));
    EXPECT_EQ(picker->Caption(), "2002年02月12日 星期二");
    other->setFocus();
    Settle();
    ExpectAFreshPickerPicks();
}

// The host destroys the window of a picker whose drop-down is open: nobody else would close it.
TEST_F(HostTest, DestroyingThePickersWindowWhileItsDropDownIsOpenClosesIt)
{
    ShowHost();
    ClickDropButton();
    Settle();
    ASSERT_TRUE(State().DropShown);
    delete picker->Surface();
    Settle();
    EXPECT_FALSE(State().DropShown);
    EXPECT_FALSE(View().isVisible());
    EXPECT_EQ(ui::LockedWindow(), nullptr);
    EXPECT_TRUE(MonthGridPaints());
    ExpectAFreshPickerPicks();
}

// ---- the keyboard --------------------------------------------------------------------------------

TEST_F(HostTest, TabAndShiftTabReachEveryControlOnceInBothDirections)
{
    calendar = nullptr; // a text box, two pickers and a button
    ShowHost();
    other->setFocus();
    Settle();
    const auto walk = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        std::vector<std::string> reached;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            Settle();
            reached.push_back(FocusHolder());
        }
        return reached;
    };
    EXPECT_EQ(walk(Qt::Key_Tab, Qt::NoModifier),
              (std::vector<std::string>{"picker", "second picker", "button", "text box"}));
    EXPECT_EQ(walk(Qt::Key_Backtab, Qt::ShiftModifier),
              (std::vector<std::string>{"button", "second picker", "picker", "text box"}));
    EXPECT_TRUE(events.empty());
}

// The box keeps its rule: the focus given to it goes on to the drop button.
TEST_F(HostTest, TheBoxTakesAClickButPassesTheFocusOn)
{
    ShowHost();
    EXPECT_EQ(Part("PicCmb")->focusPolicy(), Qt::ClickFocus);
    QTest::mouseClick(Part("PicCmb"), Qt::LeftButton, Qt::NoModifier, QPoint(40, 8));
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), Part("PictBtn"));
}

} // namespace
