// The widgets over the engine's whole span of years, worked with real clicks and keys on what they
// show; the lunar facts are checked against the direct calendar API's conversion of the same day.
#include "WidgetFixture.h"

#include "corvane/DateSpinEdit.h"
#include "corvane/LunarCalendarWidget.h"
#include "corvane/LunarDatePicker.h"
#include "corvane/calendar.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using corvane::LunarCalendarWidget;
using corvane::LunarDatePicker;

namespace
{

std::chrono::year_month_day Ymd(const QDate &day)
{
    return std::chrono::year{day.year()} / day.month() / day.day();
}

class WideRangeWidgetTest : public WidgetTest
{
};

TEST_F(WideRangeWidgetTest, TheCalendarSelectsDaysUpToTheLastOfTheTables)
{
    auto *calendar = Add<LunarCalendarWidget>();
    Show();
    EXPECT_EQ(calendar->minimumDate(), QDate(1901, 1, 1));
    EXPECT_EQ(calendar->maximumDate(), QDate(2100, 12, 31));
    QSignalSpy clicked(calendar, &LunarCalendarWidget::clicked);

    calendar->setSelectedDate(QDate(2057, 9, 1));
    QWidget *grid = calendar->findChild<QWidget *>(QStringLiteral("PicMonth"));
    ASSERT_NE(grid, nullptr);
    QTest::mouseClick(grid, Qt::LeftButton, {}, DayCell(*grid, QDate(2057, 9, 28)));
    ASSERT_EQ(calendar->selectedDate(), QDate(2057, 9, 28));
    ASSERT_EQ(clicked.count(), 1);
    const corvane::lunar_date lunar = corvane::to_lunar(Ymd(calendar->selectedDate()));
    EXPECT_EQ(calendar->selectedLunarDate(), lunar);
    const QString text = calendar->selectedLunarText();
    EXPECT_TRUE(text.endsWith(QString::fromStdString(corvane::month_name(lunar) + " " + corvane::day_name(lunar))))
        << text.toStdString();

    // The year list's last entry, the month list's last entry, then the arrow keys to the end.
    auto *years = calendar->findChild<QComboBox *>(QStringLiteral("CmbUniYear"));
    auto *months = calendar->findChild<QComboBox *>(QStringLiteral("CmbUniMonth"));
    years->setFocus();
    QTest::keyClick(years, Qt::Key_End);
    EXPECT_EQ(calendar->selectedDate(), QDate(2100, 9, 28));
    months->setFocus();
    QTest::keyClick(months, Qt::Key_End);
    EXPECT_EQ(calendar->selectedDate(), QDate(2100, 12, 28));
    grid->setFocus();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(calendar->selectedDate(), QDate(2100, 12, 31)) << "the last day, and no further";
    QTest::keyClick(grid, Qt::Key_PageDown);
    EXPECT_EQ(calendar->selectedDate(), QDate(2100, 12, 31));
    EXPECT_EQ(calendar->selectedLunarDate(), corvane::to_lunar(Ymd(QDate(2100, 12, 31))));
}

TEST_F(WideRangeWidgetTest, ThePickerShowsAndPicksDaysAfterThePublishedTables)
{
    auto *picker = Add<LunarDatePicker>();
    Show();
    picker->setCaptionFormat(LunarDatePicker::LunarYearMonthDayWeek);
    for (const QDate day : {QDate(2057, 9, 28), QDate(2100, 12, 31)}) {
        picker->setDate(day);
        ASSERT_EQ(picker->date(), day);
        EXPECT_EQ(picker->caption().toStdString(),
                  corvane::caption(Ymd(day), corvane::caption_format::lunar_year_month_day_week));
    }

    // The drop-down opens on the picker's date, even one the month view has never shown, and a
    // click on a day there is a pick.
    picker->setDate(QDate(2057, 9, 1));
    QSignalSpy changed(picker, &LunarDatePicker::dateChanged);
    QWidget *grid = ClickDropButton(picker);
    ASSERT_TRUE(QTest::qWaitFor([&] { return picker->isDropDownVisible(); }, 2000));
    ASSERT_NE(grid, nullptr);
    QTest::mouseClick(grid, Qt::LeftButton, {}, DayCell(*grid, QDate(2057, 9, 28)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() > 0; }, 2000));
    EXPECT_EQ(picker->date(), QDate(2057, 9, 28));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !picker->isDropDownVisible(); }, 2000));

    // Set while closed, the next opening follows: the year list there reaches the picker's last year.
    picker->setDate(QDate(2099, 3, 1));
    changed.clear();
    grid = ClickDropButton(picker);
    ASSERT_TRUE(QTest::qWaitFor([&] { return picker->isDropDownVisible(); }, 2000));
    ASSERT_NE(grid, nullptr);
    auto *years = grid->window()->findChild<QComboBox *>(QStringLiteral("CmbUniYear"));
    ASSERT_NE(years, nullptr);
    EXPECT_EQ(years->currentText(), QStringLiteral("2099"));
    years->setFocus();
    QTest::keyClick(years, Qt::Key_End);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() > 0; }, 2000));
    EXPECT_EQ(picker->date(), QDate(2100, 3, 1));
    EXPECT_EQ(picker->caption().toStdString(),
              corvane::caption(Ymd(picker->date()), corvane::caption_format::lunar_year_month_day_week));
}

// Opened with a click on the drop button, closed by a pick, opened again and closed with Escape: the
// notification comes once for each, with the new state.
TEST_F(WideRangeWidgetTest, DropDownVisibleChangedOnceForEachOpeningAndClosing)
{
    auto *picker = Add<LunarDatePicker>();
    Show();
    QSignalSpy visible(picker, &LunarDatePicker::dropDownVisibleChanged);
    const auto states = [&visible] {
        QList<bool> seen;
        for (const QList<QVariant> &args : visible)
            seen.append(args.at(0).toBool());
        return seen;
    };

    QWidget *grid = ClickDropButton(picker);
    ASSERT_TRUE(QTest::qWaitFor([&] { return picker->isDropDownVisible(); }, 2000));
    QApplication::processEvents();
    EXPECT_EQ(states(), QList<bool>({true}));

    QTest::mouseClick(grid, Qt::LeftButton, {}, DayCell(*grid, QDate(2002, 7, 24)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return visible.count() == 2; }, 2000));
    QApplication::processEvents();
    EXPECT_EQ(states(), QList<bool>({true, false}));
    EXPECT_FALSE(picker->isDropDownVisible());

    grid = ClickDropButton(picker);
    ASSERT_TRUE(QTest::qWaitFor([&] { return picker->isDropDownVisible(); }, 2000));
    QTest::keyClick(grid, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return visible.count() == 4; }, 2000));
    QApplication::processEvents();
    EXPECT_EQ(states(), QList<bool>({true, false, true, false}));
    EXPECT_EQ(picker->date(), QDate(2002, 7, 24));
}

TEST_F(WideRangeWidgetTest, TheDateEditorStepsToTheLastDayOfTheTablesAndWraps)
{
    auto *edit = Add<corvane::DateSpinEdit>();
    Show();
    edit->setDate(QDate(2100, 12, 30));
    ASSERT_EQ(edit->date(), QDate(2100, 12, 30));
    edit->setFocus();
    auto *text = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(text, nullptr);
    text->setCursorPosition(9); // the day
    QTest::keyClick(text, Qt::Key_Up);
    EXPECT_EQ(edit->date(), QDate(2100, 12, 31));
    text->setCursorPosition(9);
    QTest::keyClick(text, Qt::Key_Up);
    EXPECT_EQ(edit->date(), QDate(1901, 1, 1));
}

} // namespace
