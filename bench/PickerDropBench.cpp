// The picker's drop-down, offscreen raster: the time from a click on the drop button (the bar's value
// change) to the fully open month view, every step of the opening animation painted synchronously,
// next to Qt's QDateEdit opening its calendar pop-up (a press on its arrow) and painting it.
#include "controls/picker/FrmMonthView.h"
#include "controls/picker/ModMonthVw.h"
#include "controls/picker/QxMonthVw.h"
#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

namespace
{

using namespace corvane;

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void BM_PickerDropDownOpen(benchmark::State &state)
{
    QWidget host;
    host.setObjectName(QStringLiteral("FrmHost"));
    host.setGeometry(100, 50, 600, 300);
    auto picker = MakeObject<QxMonthVw>();
    picker->InitNew();
    picker->Surface()->setParent(&host);
    picker->Surface()->move(15, 30);
    host.show();
    (void)QTest::qWaitForWindowExposed(&host);
    auto *button = picker->Surface()->findChild<QScrollBar *>(QStringLiteral("PictBtn"));
    for (auto _ : state) {
        button->triggerAction(QAbstractSlider::SliderSingleStepAdd); // opens, animated
        state.PauseTiming();
        if (!ModMonthVw::State().DropShown || FrmMonthView::Loaded()->HeightTwips() != 3195) {
            state.SkipWithError("the drop-down did not open");
            break;
        }
        button->triggerAction(QAbstractSlider::SliderSingleStepAdd); // closes
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PickerDropDownOpen)->Unit(benchmark::kMicrosecond);

void BM_QDateEditCalendarPopupOpen(benchmark::State &state)
{
    QDateEdit edit(QDate(2002, 7, 19));
    edit.setCalendarPopup(true);
    edit.setGeometry(100, 50, 291, 19);
    edit.show();
    (void)QTest::qWaitForWindowExposed(&edit);
    for (auto _ : state) {
        // A press on the arrow at the right end opens the pop-up.
        QTest::mousePress(&edit, Qt::LeftButton, {}, QPoint(edit.width() - 4, edit.height() / 2));
        QWidget *popup = edit.calendarWidget()->window();
        (void)QTest::qWaitForWindowExposed(popup);
        popup->repaint();
        state.PauseTiming();
        if (!popup->isVisible()) {
            state.SkipWithError("the pop-up did not open");
            break;
        }
        QTest::mouseRelease(&edit, Qt::LeftButton, {}, QPoint(edit.width() - 4, edit.height() / 2));
        popup->hide();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QDateEditCalendarPopupOpen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const date::FixedClock clock(date::FromYmd(2002, 7, 19));
    const date::ScopedClock pinned(clock);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
