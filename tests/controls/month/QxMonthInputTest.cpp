#include "QxMonthFixture.h"

#include "ui/support/ContextMenus.h"

#include "controls/month/MonthDropSeam.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <QWindow>
#include <cstdlib>

using namespace corvane;
using Strings = std::vector<std::string>;

TEST_F(QxMonthTest, AnAcceptedKeyRaisesKeyDownThenChangeAndIsConsumed)
{
    Select(2002, 7, 19, 0.5);
    EXPECT_TRUE(Key(Qt::Key_Right));
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2002, 7, 20) + 0.5); // the time of day stays
    EXPECT_EQ(events, (Strings{"KeyDown(39,0)", "Change()", "KeyUp(39,0)"}));
}

TEST_F(QxMonthTest, KeysThatWouldLeaveTheYearsMoveNothingAndAreNotConsumed)
{
    struct Case {
        int y, m, d;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {
        {1901, 1, 15, Qt::Key_PageUp, Qt::NoModifier},
        {1901, 1, 1, Qt::Key_Left, Qt::NoModifier},
        {1901, 1, 5, Qt::Key_Up, Qt::NoModifier},
        {1901, 6, 1, Qt::Key_PageUp, Qt::ShiftModifier},
        {2030, 12, 31, Qt::Key_Right, Qt::NoModifier},
        {2030, 12, 20, Qt::Key_PageDown, Qt::NoModifier},
        {2030, 12, 28, Qt::Key_Down, Qt::NoModifier},
        {2030, 3, 1, Qt::Key_PageDown, Qt::ShiftModifier},
        {2002, 7, 19, Qt::Key_PageDown, Qt::ControlModifier}, // Ctrl + Page Down has no step at all
    };
    for (const Case &c : cases) {
        Select(c.y, c.m, c.d);
        EXPECT_FALSE(Key(c.key, c.modifiers)) << c.y << "-" << c.m << "-" << c.d << " key " << c.key;
        EXPECT_EQ(control->CurrDate(), date::FromYmd(c.y, c.m, c.d));
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[0].substr(0, 8), "KeyDown(");
        EXPECT_EQ(events[1].substr(0, 6), "KeyUp(");
    }
}

TEST_F(QxMonthTest, HomeShowsTodayAndF1ShowsTheHelpBox)
{
    Select(1999, 3, 3);
    EXPECT_TRUE(Key(Qt::Key_Home));
    EXPECT_EQ(control->CurrDate(), kToday);
    EXPECT_EQ(events, (Strings{"KeyDown(36,0)", "Change()", "KeyUp(36,0)"}));

    events.clear();
    EXPECT_FALSE(Key(Qt::Key_F1));
    EXPECT_EQ(events, (Strings{"KeyDown(112,0)", "KeyUp(112,0)"}));
    ASSERT_EQ(modal.messages.size(), 1u);
    const ui::MessageBoxRequest &box = modal.messages[0];
    EXPECT_EQ(box.title, "日历帮助");
    EXPECT_EQ(box.icon, ui::MessageIcon::Question);
    EXPECT_EQ(box.buttons, ui::MessageButtons::Ok);
    EXPECT_EQ(box.text,
              "程序支持键盘操作,以下上键盘功能:\r\nPgUp,PgDn用于改变月份\r\nShift + PgUp,Shift + PgDn用于改变年份\r\n"
              "Up,Dowm,Left,Right用于改变日期\r\nHome,显示今天\r\nF1,显示帮助\r\n鼠标点击“今天”可以显示今天的日期\r\n"
              "鼠标指向日期,农历月份与今天,可显示工具提示");
}

TEST_F(QxMonthTest, TypedKeysRaiseKeyPressAndTheHostDecidesWhetherTheyAreConsumed)
{
    Select(2002, 7, 19);
    EXPECT_FALSE(Key(Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
    EXPECT_EQ(events, (Strings{"KeyDown(65,0)", "KeyPress(97)", "KeyUp(65,0)"}));
    onEvent = [](DispId id, std::span<Variant> args) {
        if (id == QxMonth::kKeyDown)
            args[0].Assign(Variant(std::int16_t(0))); // the host swallows the key
    };
    EXPECT_TRUE(Key(Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
}

TEST_F(QxMonthTest, AClickSelectsItsDayAndRaisesChangeThenClickEvenOffTheDays)
{
    Select(2002, 7, 19, 0.5);
    QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, DayPoint(3));
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2002, 7, 3)); // no time of day
    EXPECT_EQ(events, (Strings{"Change()", "Click()"}));

    events.clear();
    QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // the Sunday before the 1st
    QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, QPoint(grid()->width() - 1, 5)); // the strip
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2002, 7, 3));
    EXPECT_EQ(events, (Strings{"Change()", "Click()", "Change()", "Click()"}));

    events.clear();
    QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, DayPoint(10));
    QTest::mousePress(grid(), Qt::LeftButton, Qt::NoModifier, DayPoint(10));
    QTest::mouseDClick(grid(), Qt::LeftButton, Qt::NoModifier, DayPoint(10));
    QTest::mouseRelease(grid(), Qt::LeftButton, Qt::NoModifier, DayPoint(10));
    EXPECT_EQ(events, (Strings{"Change()", "Click()"})); // the second press of a double click raises nothing
}

// Every button selects, and a host following Change never shows a stale date: any click raises
// Change and Click; a press whose release lands off the grid still reports the date it selected.
TEST_F(QxMonthTest, EveryMouseButtonThatSelectsADayReportsIt)
{
    struct Case {
        Qt::MouseButton button;
        int day;
        bool releasedOnTheGrid;
        Strings expected;
    };
    const Case cases[] = {
        {Qt::LeftButton, 9, true, {"Change()", "Click()"}},
        {Qt::RightButton, 10, true, {"Change()", "Click()"}},
        {Qt::MiddleButton, 11, true, {"Change()", "Click()"}},
        {Qt::LeftButton, 12, false, {"Change()"}},
        {Qt::RightButton, 13, false, {"Change()"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.day);
        Select(2002, 7, 19);
        QTest::mousePress(grid(), c.button, Qt::NoModifier, DayPoint(c.day));
        QTest::mouseRelease(grid(), c.button, Qt::NoModifier, c.releasedOnTheGrid ? DayPoint(c.day) : QPoint(-5, -5));
        EXPECT_EQ(control->CurrDate(), date::FromYmd(2002, 7, c.day));
        EXPECT_EQ(events, c.expected);
    }
    // A press that selects nothing and is released elsewhere reports nothing.
    Select(2002, 7, 19);
    QTest::mousePress(grid(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(grid(), Qt::RightButton, Qt::NoModifier, QPoint(-5, -5));
    EXPECT_TRUE(events.empty());
}

TEST_F(QxMonthTest, TheGridsToolTipNamesTheDayUnderThePointer)
{
    Select(2002, 7, 19);
    QTest::mouseMove(grid(), DayPoint(1));
    EXPECT_EQ(grid()->toolTip(), QString::fromUtf8("庚午日")); // 18 days before the 戊子 day of the 19th
    QTest::mouseMove(grid(), QPoint(5, 5)); // off the days: the tool tip stays
    EXPECT_EQ(grid()->toolTip(), QString::fromUtf8("庚午日"));

    auto *agrMonth = part<QLabel>("LabAgrMonth");
    EXPECT_EQ(agrMonth->toolTip(), QStringLiteral("农历月份"));
    QTest::mouseMove(agrMonth, QPoint(3, 3));
    EXPECT_EQ(agrMonth->toolTip(), QString::fromUtf8("丁未月"));
}

TEST_F(QxMonthTest, ChoosingAListEntryBuildsTheDateAndGivesTheFocusBack)
{
    Select(2002, 1, 31);
    auto *months = part<QComboBox>("CmbUniMonth");
    months->setFocus();
    EXPECT_TRUE(control->FocusInside());
    QTest::keyClick(months, Qt::Key_Down); // 02月
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2002, 3, 3)); // 31 February carries into March
    EXPECT_EQ(months->currentText(), QStringLiteral("03月"));
    EXPECT_EQ(events, (Strings{"Change()"}));
    EXPECT_TRUE(grid()->hasFocus());

    Select(2004, 2, 29);
    auto *years = part<QComboBox>("CmbUniYear");
    years->setFocus();
    QTest::keyClick(years, Qt::Key_Down); // 2005
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2005, 3, 1));
}

TEST_F(QxMonthTest, TheMonthArrowsStepAMonthUpToTheEnds)
{
    auto *arrows = part<QScrollBar>("HScMonth");
    Select(2002, 1, 31);
    EXPECT_EQ(arrows->value(), 1213);
    arrows->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2002, 2, 28));
    EXPECT_EQ(control->MonthScrollValue(), 1214);
    EXPECT_EQ(events, (Strings{"Change()"}));

    Select(2030, 12, 5);
    arrows->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Select(1901, 1, 5);
    arrows->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(control->CurrDate(), date::FromYmd(1901, 1, 5));
    EXPECT_TRUE(events.empty());
}

// The arrows are arrow buttons, nothing more: a right click opens no scrolling menu (whose entries
// would jump to the first or last month) and the wheel over them moves nothing.
TEST_F(QxMonthTest, TheMonthArrowsHaveNoMenuAndIgnoreTheWheel)
{
    Select(2002, 7, 19);
    auto *arrows = part<QScrollBar>("HScMonth");
    QWidget *board = part("PictBoard");
    // The visible part of each arrow: its end of the bar, left or right of the header board.
    const int boardLeft = arrows->mapFromGlobal(board->mapToGlobal(QPoint(0, 0))).x();
    const int boardRight = boardLeft + board->width();
    const QPoint left = arrows->mapTo(surface(), QPoint(boardLeft / 2 + 1, 10));
    const QPoint right = arrows->mapTo(surface(), QPoint((boardRight + arrows->width()) / 2, 10));
    for (const QPoint &point : {left, right}) {
        SCOPED_TRACE(point.x());
        ASSERT_EQ(surface()->childAt(point), arrows) << "the arrow shows there";
        QStringList menu;
        QTimer closeMenus;
        QObject::connect(&closeMenus, &QTimer::timeout, [&menu] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                for (QAction *action : popup->actions())
                    menu << action->text();
                popup->close();
            }
        });
        closeMenus.start(20);
        // Through the window, so that the platform turns the right button into a context menu request.
        QTest::mouseClick(surface()->windowHandle(), Qt::RightButton, Qt::NoModifier, point);
        QTest::qWait(60);
        EXPECT_TRUE(menu.isEmpty()) << menu.join(QStringLiteral(", ")).toStdString();

        const QPoint local = arrows->mapFrom(surface(), point);
        QWheelEvent notch(local,
                          arrows->mapToGlobal(local),
                          QPoint(),
                          QPoint(0, -120),
                          Qt::NoButton,
                          Qt::NoModifier,
                          Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(arrows, &notch);
        const bool ignored = control->CurrDate() == date::FromYmd(2002, 7, 19) && events.empty();
        const bool oneMonth =
            std::abs(date::YmdOf(control->CurrDate()).month - 7) == 1 && events == Strings{"Change()"};
        EXPECT_TRUE(ignored || oneMonth) << date::YmdOf(control->CurrDate()).year << "-"
                                         << date::YmdOf(control->CurrDate()).month;
        Select(2002, 7, 19);
    }
}

TEST_F(QxMonthTest, TheTodayLabelShowsTodayWithoutAnEvent)
{
    Select(1999, 3, 3);
    auto *today = part<QLabel>("LabToday");
    today->setToolTip({});
    QTest::mouseClick(today, Qt::LeftButton);
    EXPECT_EQ(control->CurrDate(), kToday);
    EXPECT_EQ(part<QComboBox>("CmbUniYear")->currentText(), QStringLiteral("2002"));
    EXPECT_EQ(today->toolTip(), QStringLiteral("2002年07月19日"));
    EXPECT_TRUE(events.empty());
}

TEST_F(QxMonthTest, ADisabledControlTakesNoInputButStaysPainted)
{
    Select(2002, 7, 19);
    control->SetEnabled(false);
    Key(Qt::Key_Right);
    QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, DayPoint(3));
    QTest::mouseClick(part("LabToday"), Qt::LeftButton);
    QTest::keyClick(part("CmbUniMonth"), Qt::Key_Down);
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2002, 7, 19));
    EXPECT_TRUE(events.empty());
    const QImage image = grid()->grab().toImage();
    const QRgb background = image.pixel(1, 1);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != background;
    EXPECT_GT(ink, 2000);
}

namespace
{

struct FakeDropDown final : month::MonthDropHost {
    bool shown = true;
    int closes = 0;
    bool DropShown() const override { return shown; }
    void CloseDropDown() override
    {
        ++closes;
        shown = false;
    }
};

} // namespace

TEST_F(QxMonthTest, TheGridClosesAnOpenDropDownWhenTheFocusLeavesTheControl)
{
    FakeDropDown drop;
    month::SetMonthDropHost(&drop);
    QWidget form;
    form.setObjectName(QStringLiteral("FrmMonthView"));
    auto *layout = new QVBoxLayout(&form);
    layout->addWidget(surface());
    auto *outside = new QLineEdit(&form);
    layout->addWidget(outside);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // Moving the control into the form took the focus out of it, which is a close of its own.
    QApplication::processEvents();
    drop = {};

    grid()->setFocus();
    part("CmbUniYear")->setFocus(); // a part of the control: stays open
    QApplication::processEvents();
    EXPECT_EQ(drop.closes, 0);
    EXPECT_FALSE(control->FocusInside()); // taken and cleared by the decision

    grid()->setFocus();
    outside->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(drop.closes, 1);

    form.setObjectName(QStringLiteral("  ")); // a form without a name keeps it open
    drop.shown = true;
    grid()->setFocus();
    outside->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(drop.closes, 1);
    month::SetMonthDropHost(nullptr);
    layout->removeWidget(surface());
    surface()->setParent(nullptr);
}

TEST_F(QxMonthTest, PressingTheHeaderBoardMarksAFocusMoveInsideTheControl)
{
    QWidget *board = part("PictBoard");
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
    EXPECT_TRUE(control->FocusInside());
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
    EXPECT_FALSE(control->FocusInside());
}

TEST_F(QxMonthTest, NoPartOpensAMenuInEnglish)
{
    EXPECT_EQ(EnglishEntries(ContextMenuEntries(*surface())).join(QStringLiteral(", ")).toStdString(), "");
}
