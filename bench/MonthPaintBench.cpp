// Painting of the month control, offscreen raster: its full repaint next to Qt's QCalendarWidget of
// the same pixel size, and a selection move inside the shown month next to a full repaint of the
// grid. Every paint is synchronous (QWidget::repaint), so each iteration ends with the pixels drawn.
#include "controls/month/QxMonth.h"
#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"
#include "platform/ui/Redraw.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QTest>

#include <benchmark/benchmark.h>

namespace
{

using namespace corvane;

const date::Date kJuly19 = date::FromYmd(2002, 7, 19);

// A shown month control on July 2002, its first paints done.
ObjectPtr<QxMonth> ShownMonth()
{
    auto month = MakeObject<QxMonth>();
    month->InitNew();
    month->SetCurrDate(kJuly19);
    month->Surface()->show();
    (void)QTest::qWaitForWindowExposed(month->Surface());
    month->SelectDate(kJuly19 + 1); // takes the full repaint an assignment leaves pending
    QApplication::processEvents();
    return month;
}

// The whole control: every part repainted and the grid composed and drawn.
void BM_QxMonthFullRepaint(benchmark::State &state)
{
    const auto month = ShownMonth();
    for (auto _ : state)
        month->Refresh();
}
BENCHMARK(BM_QxMonthFullRepaint)->Unit(benchmark::kMicrosecond);

// Qt's calendar at the month control's pixel size, all of it repainted.
void BM_QCalendarWidgetRepaint(benchmark::State &state)
{
    const auto month = ShownMonth();
    QCalendarWidget calendar;
    calendar.setFixedSize(month->Surface()->size());
    calendar.setSelectedDate(QDate(2002, 7, 19));
    calendar.show();
    (void)QTest::qWaitForWindowExposed(&calendar);
    QApplication::processEvents();
    for (auto _ : state)
        ui::RepaintTree(calendar);
}
BENCHMARK(BM_QCalendarWidgetRepaint)->Unit(benchmark::kMicrosecond);

// The grid's full repaint (PicMonth_Paint): lists, arrows, cells, solar terms, highlight.
void BM_QxMonthGridRepaint(benchmark::State &state)
{
    const auto month = ShownMonth();
    for (auto _ : state)
        month->PicMonth_Paint();
}
BENCHMARK(BM_QxMonthGridRepaint)->Unit(benchmark::kMicrosecond);

// A selection move inside the shown month: the highlight erased on one cell and drawn on another,
// the lunar header relabelled.
void BM_QxMonthSelectionMove(benchmark::State &state)
{
    const auto month = ShownMonth();
    bool forward = true;
    for (auto _ : state) {
        month->SelectDate(kJuly19 + (forward ? 3 : 0));
        forward = !forward;
    }
}
BENCHMARK(BM_QxMonthSelectionMove)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The same "today" in every run, so the bold cell does not move.
    const date::FixedClock clock(kJuly19 + 0.5);
    const date::ScopedClock pinned(clock);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
