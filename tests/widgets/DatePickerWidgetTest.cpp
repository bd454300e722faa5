#include "WidgetFixture.h"

#include "corvane/LunarDatePicker.h"

#include <QSignalSpy>
#include <QTest>

using corvane::LunarDatePicker;

namespace
{

class DatePickerWidgetTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        picker = Add<LunarDatePicker>();
        Show();
    }
    LunarDatePicker *picker = nullptr;
};

TEST_F(DatePickerWidgetTest, StartsOnTodayAtTheControlsFixedSize)
{
    EXPECT_EQ(picker->date(), QDate(2002, 7, 19));
    EXPECT_EQ(picker->caption(), QString::fromUtf8("2002年07月19日 星期五"));
    // 4369 x 285 twips: the flat box with its single border.
    EXPECT_EQ(picker->sizeHint(), QSize(291, 19));
    EXPECT_EQ(picker->size(), picker->sizeHint());
    EXPECT_EQ(picker->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
}

TEST_F(DatePickerWidgetTest, DateChangedOnceForEachChangeAndDatesHeldToTheRange)
{
    QSignalSpy changed(picker, &LunarDatePicker::dateChanged);
    struct Row {
        QDate asked, held;
        int emitted;
    } rows[] = {
        {QDate(2002, 7, 19), QDate(2002, 7, 19), 0},
        {QDate(2002, 2, 12), QDate(2002, 2, 12), 1},
        {QDate(), QDate(2002, 2, 12), 0},
        {QDate(1066, 10, 14), QDate(1901, 1, 1), 1},
        {QDate(1901, 1, 1), QDate(1901, 1, 1), 0},
        {QDate(2099, 1, 1), QDate(2099, 1, 1), 1},
        {QDate(2101, 1, 1), QDate(2100, 12, 31), 1},
    };
    for (const Row &row : rows) {
        changed.clear();
        picker->setDate(row.asked);
        EXPECT_EQ(picker->date(), row.held) << row.asked.toString().toStdString();
        ASSERT_EQ(changed.count(), row.emitted) << row.asked.toString().toStdString();
        if (row.emitted) {
            EXPECT_EQ(changed.at(0).at(0).toDate(), row.held);
        }
    }
}

TEST_F(DatePickerWidgetTest, CaptionFollowsTheFormat)
{
    picker->setDate(QDate(2002, 2, 12));
    QSignalSpy changed(picker, &LunarDatePicker::dateChanged);
    struct Row {
        LunarDatePicker::CaptionFormat format;
        const char *caption;
    } rows[] = {
        // The control composes the captions; the widget passes its format on and reads it back.
        {LunarDatePicker::LunarMonthDayWeek, "2002年02月12日 农历: 正月 初一日 星期二"},
        {LunarDatePicker::DateOnly, "2002年02月12日"},
        {LunarDatePicker::Week, "2002年02月12日 星期二"},
    };
    for (const Row &row : rows) {
        picker->setCaptionFormat(row.format);
        EXPECT_EQ(picker->captionFormat(), row.format);
        EXPECT_EQ(picker->caption(), QString::fromUtf8(row.caption));
    }
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(DatePickerWidgetTest, ADayPickedInTheDropDownIsTheNewDate)
{
    QSignalSpy changed(picker, &LunarDatePicker::dateChanged);
    picker->setDropDownVisible(true);
    ASSERT_TRUE(picker->isDropDownVisible());

    QWidget *grid = DropDownGrid(window.get());
    ASSERT_NE(grid, nullptr);
    // 19 July 2002 is shown; 1 July is a Monday, so the 24th sits in row 3, column 3.
    const QPoint day24(int(3.5 * grid->width() / 7), int(3.5 * grid->height() / 6));
    QTest::mouseClick(grid, Qt::LeftButton, {}, day24);
    EXPECT_TRUE(QTest::qWaitFor([&] { return changed.count() > 0; }, 2000));
    QApplication::processEvents();

    EXPECT_FALSE(picker->isDropDownVisible());
    EXPECT_EQ(picker->date(), QDate(2002, 7, 24));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toDate(), QDate(2002, 7, 24));
}

TEST_F(DatePickerWidgetTest, TheDropDownClosesAgainAndBelongsToOnePicker)
{
    auto *other = Add<LunarDatePicker>();
    QApplication::processEvents();
    picker->setDropDownVisible(true);
    EXPECT_TRUE(picker->isDropDownVisible());
    EXPECT_FALSE(other->isDropDownVisible());
    other->setDropDownVisible(true);
    EXPECT_FALSE(picker->isDropDownVisible());
    EXPECT_TRUE(other->isDropDownVisible());
    other->setDropDownVisible(false);
    EXPECT_FALSE(other->isDropDownVisible());
    EXPECT_EQ(picker->date(), QDate(2002, 7, 19));
}

TEST_F(DatePickerWidgetTest, ColoursFollowThePaletteUntilSet)
{
    EXPECT_EQ(picker->backgroundColor(), picker->palette().color(QPalette::Base));
    EXPECT_EQ(picker->textColor(), picker->palette().color(QPalette::Text));
    picker->setBackgroundColor(Qt::yellow);
    EXPECT_EQ(picker->backgroundColor(), QColor(Qt::yellow));
    const DarkPalette dark;
    EXPECT_EQ(picker->textColor(), QColor(0xee, 0xee, 0xee));
    picker->setBackgroundColor(QColor());
    EXPECT_EQ(picker->backgroundColor(), QColor(0x20, 0x20, 0x20));
}

// The widget's font is the control's Font, which does not reach the caption: the caption keeps its
// own font whatever the widget inherits or is given.
TEST_F(DatePickerWidgetTest, TheCaptionKeepsItsOwnFont)
{
    const QImage before = picker->grab().toImage();
    QFont font(QStringLiteral("DejaVu Serif"), 14);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    picker->setFont(font);
    QApplication::processEvents();
    EXPECT_EQ(picker->grab().toImage(), before);
}

} // namespace
