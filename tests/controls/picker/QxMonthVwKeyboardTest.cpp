#include "PickerFixture.h"

#include <QAccessible>
#include <QLabel>

namespace
{

using namespace corvane;

// The picker worked with the keyboard alone, on the keys a date edit has.
class PickerKeyboard : public PickerTest
{
protected:
    void SetUp() override
    {
        picker->SetCurrDate(kToday);
        events.clear();
        ShowHost();
        Part("PictBtn")->setFocus();
        Settle();
        ASSERT_EQ(QApplication::focusWidget(), Part("PictBtn"));
    }

    // A key pressed and released where the keyboard's input goes now.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
        Settle();
        QTest::qWait(20);
        Settle();
    }
    bool Open() const { return State().DropShown && View().isVisible(); }
};

TEST_F(PickerKeyboard, AltDownOpensTheDropDownOnThePickersDateAndAnArrowKeyPicksTheNextDay)
{
    Press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Open());
    EXPECT_EQ(View().MonthDrop().CurrDate(), kToday);
    EXPECT_TRUE(View().isAncestorOf(QApplication::focusWidget())) << "the keys go to the month grid";

    Press(Qt::Key_Right);
    EXPECT_FALSE(Open());
    EXPECT_EQ(picker->CurrDate(), kToday + 1);
    EXPECT_EQ(picker->Caption(), "2002年07月20日 星期六");
    EXPECT_EQ(events, std::vector<std::string>{"Change"});
    EXPECT_EQ(QApplication::focusWidget(), Part("PictBtn"));
    EXPECT_EQ(ui::LockedWindow(), nullptr);
}

TEST_F(PickerKeyboard, F4OpensAndReturnPicksTheHighlightedDate)
{
    Press(Qt::Key_F4);
    ASSERT_TRUE(Open());
    Press(Qt::Key_PageUp); // a grid key moves and picks as a click would: June
    ASSERT_FALSE(Open());
    EXPECT_EQ(picker->CurrDate(), date::FromYmd(2002, 6, 19));

    events.clear();
    Press(Qt::Key_F4);
    ASSERT_TRUE(Open());
    EXPECT_EQ(View().MonthDrop().CurrDate(), date::FromYmd(2002, 6, 19));
    Press(Qt::Key_Return);
    EXPECT_FALSE(Open());
    EXPECT_EQ(picker->CurrDate(), date::FromYmd(2002, 6, 19));
    EXPECT_EQ(events, std::vector<std::string>{"Change"}) << "a pick, if of the same date";
    EXPECT_EQ(QApplication::focusWidget(), Part("PictBtn"));
}

TEST_F(PickerKeyboard, EscapeAndF4CloseWithoutAPickAndGiveTheFocusBack)
{
    for (const Qt::Key close : {Qt::Key_Escape, Qt::Key_F4}) {
        Press(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(Open());
        Press(close);
        EXPECT_FALSE(Open()) << close;
        EXPECT_FALSE(State().DropDatePicked);
        EXPECT_EQ(ui::LockedWindow(), nullptr);
        EXPECT_EQ(QApplication::focusWidget(), Part("PictBtn"));
        EXPECT_EQ(picker->CurrDate(), kToday);
        EXPECT_TRUE(events.empty());
    }
}

// Where the window system never activated the drop-down the keys stay on the drop button, which
// closes it the same way.
TEST_F(PickerKeyboard, WithoutActivationTheButtonsKeysCloseTheDropDown)
{
    for (const Qt::Key close : {Qt::Key_Escape, Qt::Key_F4}) {
        OpenWithoutActivation();
        Press(close);
        EXPECT_FALSE(State().DropShown) << close;
        EXPECT_FALSE(View().isVisible());
        EXPECT_EQ(ui::LockedWindow(), nullptr);
        EXPECT_TRUE(events.empty());
    }
}

TEST_F(PickerKeyboard, OtherKeysOpenNothing)
{
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Escape, Qt::NoModifier},
                                         std::pair{Qt::Key_Space, Qt::NoModifier},
                                         std::pair{Qt::Key_Return, Qt::NoModifier},
                                         std::pair{Qt::Key_Down, Qt::NoModifier},
                                         std::pair{Qt::Key_Up, Qt::AltModifier},
                                         std::pair{Qt::Key_PageDown, Qt::NoModifier},
                                         std::pair{Qt::Key_End, Qt::NoModifier},
                                         std::pair{Qt::Key_Right, Qt::NoModifier}}) {
        Press(key, modifiers);
        EXPECT_FALSE(State().DropShown) << key;
    }
    picker->SetEnabled(false);
    Part("PictBtn")->setFocus();
    QKeyEvent f4(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
    QApplication::sendEvent(Part("PictBtn"), &f4);
    EXPECT_FALSE(State().DropShown) << "a disabled picker";
}

TEST_F(PickerKeyboard, TheFocusShowsAsAFrameRoundTheCaption)
{
    QWidget *box = Part("PicCmb");
    const QImage focused = box->grab().toImage();
    other->setFocus();
    Settle();
    const QImage unfocused = box->grab().toImage();
    const QRect caption = Caption().Geometry();
    int framePixels = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
                ++framePixels;
                EXPECT_TRUE(caption.adjusted(-1, -1, 1, 1).contains(x, y)) << x << "," << y;
                EXPECT_FALSE(caption.contains(x, y)) << x << "," << y << " on the text";
            }
    EXPECT_GT(framePixels, caption.width() / 2) << "a dotted line along the top and the bottom at least";
}

TEST_F(PickerKeyboard, TheDropButtonIsANamedButtonThatOpensWhenPressed)
{
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(Part("PictBtn"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), "打开日历");
    EXPECT_EQ(button->text(QAccessible::Description), "2002年07月19日 星期五");
    EXPECT_EQ(button->childCount(), 0) << "the arrow bar inside is no part of its own";
    EXPECT_TRUE(button->state().focused);
    QAccessibleActionInterface *actions = button->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              (QStringList{"Alt+Down", "F4"}));
    actions->doAction(QAccessibleActionInterface::pressAction());
    Settle();
    EXPECT_TRUE(Open());

    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(Part("PicCmb"));
    EXPECT_EQ(box->role(), QAccessible::ComboBox);
    EXPECT_EQ(box->text(QAccessible::Name), "2002年07月19日 星期五");
    EXPECT_EQ(box->text(QAccessible::Value), "2002年07月19日 星期五");
}

} // namespace
