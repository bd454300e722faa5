#include "WidgetFixture.h"

#include "corvane/DateSpinEdit.h"
#include "corvane/TimeSpinEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using corvane::DateSpinEdit;
using corvane::TimeSpinEdit;

namespace
{

class SpinWidgetTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        dateEdit = Add<DateSpinEdit>();
        timeEdit = Add<TimeSpinEdit>();
        Show();
    }
    // Puts the caret into a widget's text at `position` and presses a key there.
    void KeyAt(QWidget *widget, int position, Qt::Key key)
    {
        widget->setFocus();
        auto *text = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        ASSERT_NE(text, nullptr);
        ASSERT_TRUE(widget->isAncestorOf(text));
        text->setCursorPosition(position);
        QTest::keyClick(text, key);
    }

    DateSpinEdit *dateEdit = nullptr;
    TimeSpinEdit *timeEdit = nullptr;
};

TEST_F(SpinWidgetTest, StartOnTheClockAtTheControlsFixedSizes)
{
    EXPECT_EQ(dateEdit->date(), QDate(2002, 7, 19));
    EXPECT_EQ(timeEdit->time(), QTime(10, 30, 15));
    EXPECT_EQ(dateEdit->sizeHint(), QSize(115, 19)); // 1725 x 285 twips
    EXPECT_EQ(timeEdit->sizeHint(), QSize(81, 19)); // 1215 x 285 twips
    EXPECT_EQ(dateEdit->size(), dateEdit->sizeHint());
    EXPECT_EQ(timeEdit->size(), timeEdit->sizeHint());

    dateEdit->setAppearance(DateSpinEdit::ThreeD);
    timeEdit->setAppearance(TimeSpinEdit::ThreeD);
    EXPECT_EQ(dateEdit->sizeHint(), QSize(113, 17)); // 1695 x 255
    EXPECT_EQ(timeEdit->sizeHint(), QSize(79, 17)); // 1185 x 255
    QApplication::processEvents();
    EXPECT_EQ(dateEdit->size(), dateEdit->sizeHint());
}

TEST_F(SpinWidgetTest, DateChangedOnceForEachChangeBySetterOrStep)
{
    QSignalSpy changed(dateEdit, &DateSpinEdit::dateChanged);
    struct Row {
        const char *what;
        std::function<void()> action;
        QDate expected;
        int emitted;
    } rows[] = {
        {"same date", [&] { dateEdit->setDate(QDate(2002, 7, 19)); }, QDate(2002, 7, 19), 0},
        {"invalid date", [&] { dateEdit->setDate(QDate()); }, QDate(2002, 7, 19), 0},
        {"up on the day", [&] { KeyAt(dateEdit, 9, Qt::Key_Up); }, QDate(2002, 7, 20), 1},
        {"down on the month", [&] { KeyAt(dateEdit, 6, Qt::Key_Down); }, QDate(2002, 6, 20), 1},
        {"past the range", [&] { dateEdit->setDate(QDate(2145, 3, 15)); }, QDate(2100, 12, 31), 1},
        {"up wraps", [&] { KeyAt(dateEdit, 9, Qt::Key_Up); }, QDate(1901, 1, 1), 1},
        {"before the range", [&] { dateEdit->setDate(QDate(1800, 1, 1)); }, QDate(1901, 1, 1), 0},
    };
    for (const Row &row : rows) {
        changed.clear();
        row.action();
        EXPECT_EQ(dateEdit->date(), row.expected) << row.what;
        ASSERT_EQ(changed.count(), row.emitted) << row.what;
        if (row.emitted) {
            EXPECT_EQ(changed.at(0).at(0).toDate(), row.expected) << row.what;
        }
    }
}

// The time control raises Change for its text and again for the assignment; the widget emitted once.
TEST_F(SpinWidgetTest, TimeChangedOnceForEachChangeBySetterOrStep)
{
    QSignalSpy changed(timeEdit, &TimeSpinEdit::timeChanged);
    struct Row {
        const char *what;
        std::function<void()> action;
        QTime expected;
        int emitted;
    } rows[] = {
        {"same time", [&] { timeEdit->setTime(QTime(10, 30, 15)); }, QTime(10, 30, 15), 0},
        {"same second", [&] { timeEdit->setTime(QTime(10, 30, 15, 500)); }, QTime(10, 30, 15), 0},
        {"new time", [&] { timeEdit->setTime(QTime(23, 59, 59)); }, QTime(23, 59, 59), 1},
        {"up on the seconds past midnight", [&] { KeyAt(timeEdit, 7, Qt::Key_Up); }, QTime(0, 0, 0), 1},
        {"down on the hours", [&] { KeyAt(timeEdit, 1, Qt::Key_Down); }, QTime(23, 0, 0), 1},
        {"invalid time", [&] { timeEdit->setTime(QTime(25, 0)); }, QTime(23, 0, 0), 0},
    };
    for (const Row &row : rows) {
        changed.clear();
        row.action();
        EXPECT_EQ(timeEdit->time(), row.expected) << row.what;
        ASSERT_EQ(changed.count(), row.emitted) << row.what;
        if (row.emitted) {
            EXPECT_EQ(changed.at(0).at(0).toTime(), row.expected) << row.what;
        }
    }
}

TEST_F(SpinWidgetTest, ColoursFollowThePaletteUntilSet)
{
    for (QWidget *widget : {static_cast<QWidget *>(dateEdit), static_cast<QWidget *>(timeEdit)}) {
        const DarkPalette dark;
        EXPECT_EQ(widget->property("backgroundColor").value<QColor>(), QColor(0x20, 0x20, 0x20));
        EXPECT_EQ(widget->property("textColor").value<QColor>(), QColor(0xee, 0xee, 0xee));
        widget->setProperty("textColor", QColor(Qt::red));
        EXPECT_EQ(widget->property("textColor").value<QColor>(), QColor(Qt::red));
        const QImage image = widget->grab().toImage();
        EXPECT_EQ(image.pixelColor(3, image.height() / 2), QColor(0x20, 0x20, 0x20)) << "the text box is dark";
    }
}

} // namespace
