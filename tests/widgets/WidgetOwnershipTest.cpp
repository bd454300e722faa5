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
