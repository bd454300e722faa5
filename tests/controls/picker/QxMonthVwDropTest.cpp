#include "PickerFixture.h"

#include "controls/month/MonthGridWidget.h"
#include "controls/month/QxMonth.h"
#include "platform/date/DateValue.h"
#include "platform/ui/WindowHandles.h"

#include <QEvent>

#include <algorithm>

using namespace corvane;

// The host form's client area starts at (100, 50) pixels; the picker sits at (15, 30) in it, 19 px
// high, so its top edge is at 80 px = 1200 twips and its bottom edge at 99 px = 1485 twips.
TEST_F(PickerTest, OpensDownwardGrowingInSixStepsAndUpwardWhenOneTwipShort)
{
    ShowHost();
    // Downward while the month view fits: m = 3195 <= (L - 1200) - 285, so L >= 4680. L is the work
    // area's height, whatever its top: the room is counted from the top of the screen.
    struct Case {
        QRect workArea;
        bool upward;
    };
    // 312 px = 4680 twips: m equals the room exactly. 311 px leaves 15 twips less.
    for (const Case c :
         {Case{{0, 0, 1024, 312}, false}, Case{{0, 0, 1024, 311}, true}, Case{{0, 40, 1024, 311}, true}}) {
        SCOPED_TRACE(c.workArea.y());
        SCOPED_TRACE(c.workArea.height());
        ui::ScopedWorkArea area(c.workArea);
        PaintRecorder paints(View());
        ClickDropButton();
        Settle();
        EXPECT_TRUE(State().DropShown);
        EXPECT_EQ(State().DropUpward, c.upward);
        EXPECT_EQ(State().DropLeft, 1725);
        EXPECT_EQ(View().LeftTwips(), 1725);
        EXPECT_EQ(View().HeightTwips(), 3195);
        EXPECT_EQ(View().MonthDropTop(), 0);
        EXPECT_TRUE(View().isVisible());
        EXPECT_EQ(ui::LockedWindow(), form.get());
        const std::vector<int> grown = {195, 795, 1395, 1995, 2595, 3195};
        EXPECT_EQ(Distinct(paints.heights), grown);
        if (c.upward) {
            EXPECT_EQ(View().TopTwips(), 1200 - 3195);
            for (std::size_t i = 0; i < paints.heights.size(); ++i)
                EXPECT_EQ(paints.tops[i] + paints.heights[i], 1200) << "the bottom edge stays on the picker";
        } else {
            EXPECT_EQ(View().TopTwips(), 1485);
            EXPECT_EQ(paints.tops, std::vector<int>(paints.tops.size(), 1485));
        }
        EXPECT_EQ(ui::GetWindowLongA(View().Handle(), ui::GWL_STYLE), std::int32_t(0x94000000));

        // The button again closes it: the form shrinks 3195, 2595, 1395 and hides.
        paints.heights.clear();
        ClickDropButton();
        EXPECT_EQ(Distinct(paints.heights), (std::vector<int>{3195, 2595, 1395}));
        EXPECT_FALSE(State().DropShown);
        EXPECT_FALSE(View().isVisible());
        EXPECT_EQ(ui::LockedWindow(), nullptr);
        Settle();
        EXPECT_EQ(QApplication::focusWidget(), Part("PictBtn"));
    }
    EXPECT_TRUE(events.empty()) << "opening and closing by the button raise nothing";
}

// A button held down opens the drop-down once: it does not go on stepping (closing and opening
// again) as a held scroll-bar arrow does.
TEST_F(PickerTest, AHeldDropButtonOpensTheDropDownOnce)
{
    ShowHost();
    QScrollBar *button = DropButton();
    const QPoint middle = button->rect().center();
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, middle);
    Settle();
    ASSERT_TRUE(State().DropShown);
    QTest::qWait(800); // a held arrow repeats after 500 ms, then every 50 ms
    EXPECT_TRUE(State().DropShown);
    EXPECT_EQ(button->value(), 1);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, middle);
    Settle();
    EXPECT_TRUE(State().DropShown);
    ClickDropButton();
    EXPECT_FALSE(State().DropShown);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), button) << "the button keeps the focus as its press ends";
}

TEST_F(PickerTest, WithoutAWorkAreaItOpensUpwardAndNeverMovesLeft)
{
    ShowHost();
    form->setGeometry(1000, 50, 600, 300); // the picker runs past the right edge of the screen
    Settle();
    ui::ScopedWorkArea none(std::nullopt);
    ClickDropButton();
    EXPECT_TRUE(State().DropUpward);
    EXPECT_EQ(View().LeftTwips(), (1000 + 15) * 15);
    ClickDropButton();
}

// A pick: MonthDrop's Change stores the date and hides the form; the picker's focus entry takes it.
TEST_F(PickerTest, APickRaisesChangeOnceWhenThePickerGetsTheFocusBack)
{
    picker->SetAgrDateFormat(1);
    ShowHost();
    events.clear();
    ClickDropButton();
    Settle();
    QxMonth &month = View().MonthDrop();
    EXPECT_EQ(month.CurrDate(), kToday) << "the form loaded with the first picker shows its first date";

    const date::Date picked = date::FromYmd(1901, 1, 20);
    month.SetCurrDate(picked);
    EXPECT_TRUE(State().DropDatePicked);
    EXPECT_TRUE(State().DropShown) << "the focus entry finishes the closing";
    EXPECT_FALSE(View().isVisible());
    EXPECT_TRUE(events.empty());

    Settle(); // the host form is active again and the drop button has the focus
    EXPECT_EQ(QApplication::focusWidget(), Part("PictBtn"));
    EXPECT_EQ(events, std::vector<std::string>{"Change"});
    EXPECT_EQ(picker->CurrDate(), picked);
    EXPECT_EQ(picker->Caption(), "1901年01月20日 农历: 庚子年 腊月 初一日");
    EXPECT_FALSE(State().DropShown);
    EXPECT_FALSE(State().DropDatePicked);
    EXPECT_EQ(ui::LockedWindow(), nullptr);

    other->setFocus();
    Settle();
    Part("PictBtn")->setFocus();
    Settle();
    EXPECT_EQ(events, std::vector<std::string>{"Change"}) << "a second focus entry raises nothing";
}

// Loading the form sets MonthDrop's date, which raises its Change: that is no pick.
TEST_F(PickerTest, LoadingTheFormPicksNothing)
{
    FrmMonthView::Unload();
    picker->SetCurrDate(date::FromYmd(2002, 2, 12));
    ShowHost();
    events.clear();
    ClickDropButton();
    EXPECT_EQ(View().MonthDrop().CurrDate(), date::FromYmd(2002, 2, 12)) << "a fresh form shows the opener's date";
    EXPECT_FALSE(State().DropDatePicked);
    CloseAndComeBack();
    EXPECT_TRUE(events.empty());
}

// A date set while the drop-down is closed: hosts of the automation surface see the month view keep
// the last date it showed; a C++ owner that asks for it gets the picker's date. Neither is a pick.
TEST_F(PickerTest, AnOpeningShowsThePickersDateOnlyWhenItsOwnerAsks)
{
    for (const bool follow : {false, true}) {
        SCOPED_TRACE(follow);
        picker->SetDropShowsItsDate(follow);
        picker->SetCurrDate(kToday);
        ShowHost();
        ClickDropButton();
        const date::Date shownBefore = View().MonthDrop().CurrDate();
        ClickDropButton();
        Settle();
        const date::Date set = date::FromYmd(2003, 11, 5);
        ASSERT_NE(date::Year(shownBefore), 2003);
        picker->SetCurrDate(set);
        events.clear();
        ClickDropButton();
        EXPECT_EQ(View().MonthDrop().CurrDate(), follow ? set : shownBefore);
        EXPECT_FALSE(State().DropDatePicked);
        CloseAndComeBack();
        EXPECT_TRUE(events.empty());
        EXPECT_EQ(picker->CurrDate(), set);
    }
}

// Where the window system leaves the focus on the host form while the drop-down is open (it did not
// activate the drop-down), the focus can still move inside the host form.
TEST_F(PickerTest, FocusLeavingThePickerClosesAtOnceAndTheBoxClosesWithTheAnimation)
{
    ShowHost();
    OpenWithoutActivation();
    PaintRecorder paints(View());
    other->setFocus();
    EXPECT_FALSE(State().DropShown);
    EXPECT_FALSE(View().isVisible());
    EXPECT_EQ(ui::LockedWindow(), nullptr);
    EXPECT_TRUE(paints.heights.empty()) << "no animation";
    EXPECT_EQ(QApplication::focusWidget(), other);

    // Leaving with nothing open does nothing.
    Part("PictBtn")->setFocus();
    other->setFocus();
    EXPECT_FALSE(State().DropShown);
    EXPECT_EQ(QApplication::focusWidget(), other);

    // The focus arriving on the box while open: closed with the animation, focus on the button.
    OpenWithoutActivation();
    paints.heights.clear();
    Part("PicCmb")->setFocus();
    EXPECT_EQ(Distinct(paints.heights), (std::vector<int>{3195, 2595, 1395}));
    EXPECT_FALSE(State().DropShown);
    EXPECT_FALSE(View().isVisible());
    EXPECT_EQ(ui::LockedWindow(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), Part("PictBtn"));
    EXPECT_TRUE(events.empty());
}

TEST_F(PickerTest, TheMonthGridLosingTheFocusOutsideClosesTheDropDown)
{
    ShowHost();
    ClickDropButton();
    Settle();
    auto *grid = View().findChild<month::MonthGridWidget *>(QStringLiteral("PicMonth"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), grid);
    // The user goes back to the host form by another way than the picker (the text box).
    other->activateWindow();
    other->setFocus();
    Settle();
    EXPECT_FALSE(State().DropShown);
    EXPECT_FALSE(View().isVisible());
    EXPECT_EQ(ui::LockedWindow(), nullptr);
    EXPECT_TRUE(events.empty());
}

TEST_F(PickerTest, ThePickerGoingUnloadsTheFormAndReleasesAnOpenDropDown)
{
    ShowHost();
    ClickDropButton();
    Settle();
    ASSERT_EQ(ui::LockedWindow(), form.get());
    picker = nullptr;
    EXPECT_EQ(FrmMonthView::Loaded(), nullptr);
    EXPECT_FALSE(State().DropShown);
    EXPECT_EQ(ui::LockedWindow(), nullptr);

    // A new picker costs no month view until it opens; the opening loads the form again.
    picker = MakeObject<QxMonthVw>();
    EXPECT_EQ(FrmMonthView::Loaded(), nullptr);
    picker->InitNew();
    picker->SetCurrDate(kToday);
    picker->Surface()->setParent(form.get());
    picker->Surface()->show();
    Settle();
    ClickDropButton();
    Settle();
    ASSERT_NE(FrmMonthView::Loaded(), nullptr);
    EXPECT_TRUE(State().DropShown);
    EXPECT_EQ(View().MonthDrop().CurrDate(), kToday);
}
