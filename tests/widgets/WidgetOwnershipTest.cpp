#include "WidgetFixture.h"

#include "corvane/DateSpinEdit.h"
#include "corvane/LunarCalendarWidget.h"
#include "corvane/LunarDatePicker.h"
#include "corvane/TimeSpinEdit.h"

#include <QTest>

namespace
{

class WidgetOwnershipTest : public WidgetTest
{
};

// Deleting the parent deletes the widgets and their controls (the sanitizer sees to the rest).
TEST_F(WidgetOwnershipTest, DeletingTheParentDeletesEveryWidget)
{
    const QPointer<QWidget> widgets[] = {Add<corvane::LunarCalendarWidget>(),
                                         Add<corvane::LunarDatePicker>(),
                                         Add<corvane::DateSpinEdit>(),
                                         Add<corvane::TimeSpinEdit>()};
    Show();
    window.reset();
    QApplication::processEvents();
    for (const QPointer<QWidget> &widget : widgets)
        EXPECT_TRUE(widget.isNull());
}

// A careless program deletes the calendar from its own signal, in the middle of the key's handling.
TEST_F(WidgetOwnershipTest, TheCalendarMayBeDeletedInsideItsOwnSignal)
{
    QPointer<corvane::LunarCalendarWidget> calendar = Add<corvane::LunarCalendarWidget>();
    Show();
    calendar->setFocus();
    QWidget *grid = QApplication::focusWidget();
    ASSERT_NE(grid, nullptr);
    QObject::connect(calendar, &corvane::LunarCalendarWidget::selectionChanged, [&calendar] { delete calendar; });
    QTest::keyClick(grid, Qt::Key_Right);
    QApplication::processEvents();
    EXPECT_TRUE(calendar.isNull());
}

// A day clicked in the drop-down, and the program deletes the picker from dateChanged, while the
// control is still raising its change; the next picker opens and picks as the first did.
TEST_F(WidgetOwnershipTest, ThePickerMayBeDeletedInsideItsOwnSignal)
{
    for (const bool deleteIt : {true, false}) {
        QPointer<corvane::LunarDatePicker> picker = Add<corvane::LunarDatePicker>();
        Show();
        QObject::connect(picker, &corvane::LunarDatePicker::dateChanged, [&picker, deleteIt] {
            if (deleteIt)
                delete picker;
        });
        QWidget *grid = ClickDropButton(picker);
        ASSERT_TRUE(QTest::qWaitFor([&] { return picker->isDropDownVisible(); }, 2000)) << deleteIt;
        QTest::mouseClick(grid, Qt::LeftButton, {}, DayCell(*grid, QDate(2002, 7, 24)));
        QApplication::processEvents();
        if (deleteIt) {
            EXPECT_TRUE(picker.isNull());
        } else {
            ASSERT_FALSE(picker.isNull());
            EXPECT_EQ(picker->date(), QDate(2002, 7, 24));
            EXPECT_FALSE(picker->isDropDownVisible());
        }
    }
}

// The picker deleted as its drop-down opens under a click on its arrow, and as it closes under Escape.
TEST_F(WidgetOwnershipTest, ThePickerMayBeDeletedWhenItsDropDownOpensOrCloses)
{
    for (const bool onOpening : {true, false}) {
        QPointer<corvane::LunarDatePicker> picker = Add<corvane::LunarDatePicker>();
        Show();
        QObject::connect(picker, &corvane::LunarDatePicker::dropDownVisibleChanged, [&picker, onOpening](bool open) {
            if (open == onOpening)
                delete picker;
        });
        ClickDropArrow(picker);
        QApplication::processEvents();
        if (!onOpening) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return DropDownGrid(window.get()) != nullptr; }, 2000));
            QTest::keyClick(DropDownGrid(window.get()), Qt::Key_Escape);
            QApplication::processEvents();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return picker.isNull(); }, 2000)) << onOpening;
    }
}

// The date editor deleted from its own signal, in the middle of a key's handling.
TEST_F(WidgetOwnershipTest, TheDateEditorMayBeDeletedInsideItsOwnSignal)
{
    QPointer<corvane::DateSpinEdit> editor = Add<corvane::DateSpinEdit>();
    Show();
    editor->setFocus();
    QWidget *text = QApplication::focusWidget();
    ASSERT_NE(text, nullptr);
    QObject::connect(editor, &corvane::DateSpinEdit::dateChanged, [&editor] { delete editor; });
    QTest::keyClick(text, Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_TRUE(editor.isNull());
}

TEST_F(WidgetOwnershipTest, ThePickerMayBeDeletedWhileItsDropDownIsOpen)
{
    QPointer<corvane::LunarDatePicker> picker = Add<corvane::LunarDatePicker>();
    Show();
    picker->setDropDownVisible(true);
    ASSERT_TRUE(picker->isDropDownVisible());
    delete picker;
    QApplication::processEvents();
    auto *again = Add<corvane::LunarDatePicker>();
    again->setDropDownVisible(true);
    EXPECT_TRUE(again->isDropDownVisible());
}

} // namespace
