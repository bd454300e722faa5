#include "WidgetFixture.h"

#include "corvane/LunarCalendarWidget.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using corvane::LunarCalendarWidget;

namespace
{

class MonthWidgetTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        calendar = Add<LunarCalendarWidget>();
        Show();
    }

    QWidget *Grid() const { return calendar->findChild<QWidget *>(QStringLiteral("PicMonth")); }
    // The centre of a day's cell of the shown month, in grid pixels: seven columns from Sunday, six rows.
    QPoint DayPoint(int day) const
    {
        const QDate first = calendar->selectedDate().addDays(1 - calendar->selectedDate().day());
        const int position = first.dayOfWeek() % 7 + day - 1;
        const double cellWidth = Grid()->width() / 7.0, cellHeight = Grid()->height() / 6.0;
        return QPoint(int((position % 7 + 0.5) * cellWidth), int((position / 7 + 0.5) * cellHeight));
    }
    // A grid point as a pixel of the window: clicks go to the window, as the window system's do.
    QPoint InWindow(const QPoint &gridPoint) const { return Grid()->mapTo(window.get(), gridPoint); }

    LunarCalendarWidget *calendar = nullptr;
};

TEST_F(MonthWidgetTest, StartsOnTodayAtTheControlsFixedSizeInALayout)
{
    EXPECT_EQ(calendar->selectedDate(), QDate(2002, 7, 19));
    EXPECT_EQ(calendar->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(calendar->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    // 4365 x 3195 twips at 15 twips to the pixel; 3D adds the frame's pixel on each side.
    EXPECT_EQ(calendar->sizeHint(), QSize(291, 213));
    window->resize(800, 600);
    QApplication::processEvents();
    EXPECT_EQ(calendar->size(), QSize(291, 213));
    calendar->setAppearance(LunarCalendarWidget::ThreeD);
    EXPECT_EQ(calendar->sizeHint(), QSize(293, 215));
    QApplication::processEvents();
    EXPECT_EQ(calendar->size(), QSize(293, 215));
}

// The same calls on QCalendarWidget and on the lunar calendar, both bounded to the controls' years:
// after each, the selection and the bounds agree. selectionChanged comes once for each change of the
// selection - QCalendarWidget also signals a date clamped back to the one it holds; this does not.
TEST_F(MonthWidgetTest, SettersClampAndSignalAsQCalendarWidgetDoes)
{
    QCalendarWidget qt;
    qt.setDateRange(QDate(1901, 1, 1), QDate(2100, 12, 31));
    qt.setSelectedDate(QDate(2002, 7, 19));
    QSignalSpy ourSpy(calendar, &LunarCalendarWidget::selectionChanged);

    struct Step {
        const char *what;
        std::function<void(QCalendarWidget &)> onQt;
        std::function<void(LunarCalendarWidget &)> onOurs;
    };
#define BOTH(call) [](auto &w) { w.call; }
    const Step steps[] = {
        {"same date", BOTH(setSelectedDate(QDate(2002, 7, 19))), BOTH(setSelectedDate(QDate(2002, 7, 19)))},
        {"new date", BOTH(setSelectedDate(QDate(2002, 2, 12))), BOTH(setSelectedDate(QDate(2002, 2, 12)))},
        {"invalid date", BOTH(setSelectedDate(QDate())), BOTH(setSelectedDate(QDate()))},
        {"minimum past the selection",
         BOTH(setMinimumDate(QDate(2003, 1, 1))),
         BOTH(setMinimumDate(QDate(2003, 1, 1)))},
        {"date below the minimum", BOTH(setSelectedDate(QDate(2002, 5, 5))), BOTH(setSelectedDate(QDate(2002, 5, 5)))},
        {"maximum below the minimum", BOTH(setMaximumDate(QDate(2002, 6, 1))), BOTH(setMaximumDate(QDate(2002, 6, 1)))},
        {"range",
         BOTH(setDateRange(QDate(2010, 1, 1), QDate(2010, 12, 31))),
         BOTH(setDateRange(QDate(2010, 1, 1), QDate(2010, 12, 31)))},
        {"date above the maximum", BOTH(setSelectedDate(QDate(2020, 1, 1))), BOTH(setSelectedDate(QDate(2020, 1, 1)))},
        {"invalid minimum", BOTH(setMinimumDate(QDate())), BOTH(setMinimumDate(QDate()))},
        {"wider range",
         BOTH(setDateRange(QDate(1901, 1, 1), QDate(2100, 12, 31))),
         BOTH(setDateRange(QDate(1901, 1, 1), QDate(2100, 12, 31)))},
        {"edge of the range", BOTH(setSelectedDate(QDate(2100, 12, 31))), BOTH(setSelectedDate(QDate(2100, 12, 31)))},
    };
#undef BOTH
    int changes = 0;
    for (const Step &step : steps) {
        const QDate before = qt.selectedDate();
        step.onQt(qt);
        changes += qt.selectedDate() != before;
        step.onOurs(*calendar);
        EXPECT_EQ(calendar->selectedDate(), qt.selectedDate()) << step.what;
        EXPECT_EQ(calendar->minimumDate(), qt.minimumDate()) << step.what;
        EXPECT_EQ(calendar->maximumDate(), qt.maximumDate()) << step.what;
        EXPECT_EQ(ourSpy.count(), changes) << step.what;
    }
}

TEST_F(MonthWidgetTest, DatesBeyondTheControlsYearsAreHeldToThem)
{
    struct Row {
        QDate asked, selected, minimum, maximum;
    } rows[] = {
        {QDate(1850, 3, 1), QDate(1901, 1, 1), QDate(1901, 1, 1), QDate(2100, 12, 31)},
        {QDate(2101, 3, 1), QDate(2100, 12, 31), QDate(1901, 1, 1), QDate(2100, 12, 31)},
        {QDate(-44, 3, 15), QDate(1901, 1, 1), QDate(1901, 1, 1), QDate(2100, 12, 31)},
    };
    for (const Row &row : rows) {
        calendar->setSelectedDate(row.asked);
        EXPECT_EQ(calendar->selectedDate(), row.selected) << row.asked.toString().toStdString();
        calendar->setMinimumDate(row.asked);
        calendar->setMaximumDate(row.asked);
        EXPECT_EQ(calendar->minimumDate(), row.selected);
        EXPECT_EQ(calendar->maximumDate(), row.selected);
        calendar->setDateRange(row.minimum, row.maximum);
    }
}

TEST_F(MonthWidgetTest, KeysMoveTheSelectionWithinTheBounds)
{
    QSignalSpy changed(calendar, &LunarCalendarWidget::selectionChanged);
    QSignalSpy activated(calendar, &LunarCalendarWidget::activated);
    calendar->setFocus();
    ASSERT_TRUE(Grid()->hasFocus());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(calendar->selectedDate(), QDate(2002, 7, 20));
    EXPECT_EQ(changed.count(), 1);

    // At the maximum the move is undone at once: no signal, the date stays.
    calendar->setMaximumDate(QDate(2002, 7, 20));
    changed.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(calendar->selectedDate(), QDate(2002, 7, 20));
    EXPECT_EQ(changed.count(), 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.at(0).at(0).toDate(), QDate(2002, 7, 20));
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(MonthWidgetTest, ClickingADaySelectsItAndDoubleClickingActivatesIt)
{
    QSignalSpy changed(calendar, &LunarCalendarWidget::selectionChanged);
    QSignalSpy clicked(calendar, &LunarCalendarWidget::clicked);
    QSignalSpy activated(calendar, &LunarCalendarWidget::activated);

    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, InWindow(DayPoint(3)));
    EXPECT_EQ(calendar->selectedDate(), QDate(2002, 7, 3));
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toDate(), QDate(2002, 7, 3));

    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, InWindow(DayPoint(25)));
    EXPECT_EQ(calendar->selectedDate(), QDate(2002, 7, 25));
    EXPECT_EQ(changed.count(), 2);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.at(0).at(0).toDate(), QDate(2002, 7, 25));
}

// A careless program deletes the calendar from activated, in the middle of the double click.
TEST_F(MonthWidgetTest, MayBeDeletedOnItsActivation)
{
    QPointer<LunarCalendarWidget> alive = calendar;
    QObject::connect(calendar, &LunarCalendarWidget::activated, [this] { delete calendar; });
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, InWindow(DayPoint(25)));
    QApplication::processEvents();
    EXPECT_TRUE(alive.isNull());
}

TEST_F(MonthWidgetTest, TellsTheLunarFactsOfTheSelectedDay)
{
    struct Row {
        QDate day;
        corvane::lunar_date lunar;
        const char *text;
        const char *festival;
        int firstTerm;
    } rows[] = {
        {QDate(2002, 7, 19), {2002, 6, false, 10}, "壬午年 六月 初十", "", 13},
        {QDate(2002, 2, 12), {2002, 1, false, 1}, "壬午年 正月 初一", "春节", 3},
        {QDate(2001, 5, 23), {2001, 4, true, 1}, "辛巳年 闰四 初一", "", 9},
        {QDate(2002, 10, 1), {2002, 8, false, 25}, "壬午年 八月 廿五", "国庆节", 19},
        {QDate(2002, 2, 11), {2001, 12, false, 30}, "辛巳年 腊月 三十", "", 3},
    };
    for (const Row &row : rows) {
        calendar->setSelectedDate(row.day);
        EXPECT_EQ(calendar->selectedLunarDate(), row.lunar) << row.text;
        EXPECT_EQ(calendar->selectedLunarText(), QString::fromUtf8(row.text));
        EXPECT_EQ(calendar->selectedFestival(), QString::fromUtf8(row.festival)) << row.text;
        const auto terms = calendar->monthSolarTerms();
        EXPECT_EQ(terms[0].number, row.firstTerm) << row.text;
        EXPECT_EQ(terms[1].number, row.firstTerm + 1) << row.text;
    }
}

TEST_F(MonthWidgetTest, ColoursFollowThePaletteUntilSet)
{
    const QPalette palette = calendar->palette();
    EXPECT_EQ(calendar->textColor(), palette.color(QPalette::Text));
    EXPECT_EQ(calendar->gridBackgroundColor(), palette.color(QPalette::Base));
    EXPECT_EQ(calendar->lunarTextColor(), palette.color(QPalette::Link));

    calendar->setTextColor(QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(calendar->textColor(), QColor(0x12, 0x34, 0x56));
    {
        const DarkPalette dark;
        EXPECT_EQ(calendar->textColor(), QColor(0x12, 0x34, 0x56)) << "a set colour stays";
        EXPECT_EQ(calendar->gridBackgroundColor(), QColor(0x20, 0x20, 0x20));
        calendar->setTextColor(QColor());
        EXPECT_EQ(calendar->textColor(), QColor(0xee, 0xee, 0xee));
    }
    EXPECT_EQ(calendar->textColor(), palette.color(QPalette::Text));
}

// Under a dark theme the grid is dark and the day numbers light: every weekday number of the shown
// month has pixels that stand out from the grid as text must (WCAG contrast of 4.5 and more).
TEST_F(MonthWidgetTest, DayNumbersStayReadableUnderADarkPalette)
{
    const DarkPalette dark;
    calendar->setSelectedDate(QDate(2002, 7, 1));
    QApplication::processEvents();
    const QImage image = Grid()->grab().toImage();
    const QColor background(0x20, 0x20, 0x20);
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), background);

    const double cellWidth = Grid()->width() / 7.0, cellHeight = Grid()->height() / 6.0;
    for (int day = 2; day <= 5; ++day) { // Tuesday 2 July to Friday 5 July 2002, the first row
        const QPoint centre = DayPoint(day);
        const QRect numberArea(int(centre.x() - cellWidth / 2),
                               int(centre.y() - cellHeight / 2),
                               int(cellWidth),
                               int(cellHeight / 2));
        double best = 1;
        for (int y = numberArea.top(); y <= numberArea.bottom(); ++y)
            for (int x = numberArea.left(); x <= numberArea.right(); ++x)
                best = std::max(best, Contrast(image.pixelColor(x, y), background));
        EXPECT_GE(best, 4.5) << "day " << day;
    }
}

} // namespace
