// QxMonth under a long run of random input: keys, clicks with either button, list choices and month
// arrows, on a shown control. After every event the selection lies in 1901-2030, the lists and the
// month arrows show its month and the Change events match the moves accepted; every few events the
// grid's pixels show exactly one highlighted cell, the selected day's.
//
// CORVANE_STRESS_EVENTS sets the number of events (the default keeps CI short), and
// CORVANE_STRESS_PIXEL_EVERY how often the pixels are checked.
#include "StressCount.h"
#include "controls/month/QxMonthFixture.h"

#include "controls/month/MonthRange.h"

#include <QComboBox>
#include <QScrollBar>

#include <iostream>
#include <random>

using namespace corvane;

namespace
{

struct Move {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// The keys that move the selection, and a few that do not.
const Move kKeys[] = {
    {Qt::Key_Left, Qt::NoModifier},
    {Qt::Key_Right, Qt::NoModifier},
    {Qt::Key_Up, Qt::NoModifier},
    {Qt::Key_Down, Qt::NoModifier},
    {Qt::Key_PageUp, Qt::NoModifier},
    {Qt::Key_PageDown, Qt::NoModifier},
    {Qt::Key_PageUp, Qt::ShiftModifier},
    {Qt::Key_PageDown, Qt::ShiftModifier},
    {Qt::Key_PageDown, Qt::ControlModifier},
    {Qt::Key_Home, Qt::NoModifier},
    {Qt::Key_F1, Qt::NoModifier},
    {Qt::Key_Q, Qt::NoModifier},
};

const QColor kSelected(0x80, 0xFF, 0xFF); // SelectColor 0x00FFFF80 on the white grid

} // namespace

class MonthStress : public QxMonthTest
{
protected:
    // The cells whose corner shows the selection colour.
    std::vector<int> HighlightedDays() const
    {
        const QImage image = grid()->grab().toImage();
        const date::Ymd shown = Current();
        const int offset = month::FirstDayOffset(shown.year, shown.month);
        std::vector<int> days;
        for (int day = 1; day <= date::DaysInMonth(shown.year, shown.month); ++day) {
            const QRect cell = grid()->CellRect(month::PlaceDay(offset, day));
            if (image.pixelColor(cell.topLeft() + QPoint(1, 1)) == kSelected)
                days.push_back(day);
        }
        return days;
    }

    long Changes() const { return std::count(events.begin(), events.end(), "Change()"); }
};

TEST_F(MonthStress, RandomInputKeepsTheSelectionTheListsTheArrowsAndTheHighlightInStep)
{
    const long total = StressCount("CORVANE_STRESS_EVENTS", 3000);
    const long pixelEvery = StressCount("CORVANE_STRESS_PIXEL_EVERY", 20);
    std::mt19937 random(20020719);
    auto *years = part<QComboBox>("CmbUniYear");
    auto *months = part<QComboBox>("CmbUniMonth");
    auto *arrows = part<QScrollBar>("HScMonth");
    ASSERT_TRUE(years && months && arrows);
    Select(2002, 7, 19);
    long expectedChanges = 0, pixelChecks = 0;

    for (long step = 0; step < total; ++step) {
        const unsigned action = random() % 10;
        if (action < 6) {
            const Move &move = kKeys[random() % std::size(kKeys)];
            // An accepted key is one that moved the selection, and raised Change.
            expectedChanges += Key(move.key, move.modifiers) ? 1 : 0;
        } else if (action < 8) {
            const QPoint at(int(random() % unsigned(grid()->width())), int(random() % unsigned(grid()->height())));
            const bool left = action == 6;
            QTest::mouseClick(grid(), left ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier, at);
            // Every click raises Change, on a day or not, whichever button.
            ++expectedChanges;
        } else if (action == 8) {
            QComboBox *list = random() % 2 ? years : months;
            emit list->activated(int(random() % unsigned(list->count())));
            ++expectedChanges;
        } else {
            const int before = arrows->value();
            arrows->triggerAction(random() % 2 ? QAbstractSlider::SliderSingleStepAdd
                                               : QAbstractSlider::SliderSingleStepSub);
            expectedChanges += arrows->value() != before ? 1 : 0;
        }

        const date::Ymd now = Current();
        ASSERT_TRUE(ModAgrCAl::IsPublishedYear(date::Year(control->CurrDate()))) << "step " << step;
        ASSERT_EQ(years->currentIndex(), now.year - ModAgrCAl::kFirstPublishedYear) << "step " << step;
        ASSERT_EQ(months->currentIndex(), now.month - 1) << "step " << step;
        ASSERT_EQ(arrows->value(), month::MonthValueOf(now.year, now.month)) << "step " << step;
        ASSERT_EQ(Changes(), expectedChanges) << "step " << step;
        if (step % pixelEvery == 0 || step == total - 1) {
            ASSERT_EQ(HighlightedDays(), std::vector<int>{now.day}) << "step " << step;
            ++pixelChecks;
        }
        if (events.size() > 4096) {
            expectedChanges -= Changes();
            events.clear();
        }
    }
    std::cout << "month stress: " << total << " events injected, " << pixelChecks << " pixel checks\n";
}
