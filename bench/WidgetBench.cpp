// The Qt widgets next to Qt's own, offscreen raster: creating a widget in a shown window, showing it
// and painting it the first time (synchronously), then deleting it - the month calendar against
// QCalendarWidget, the date picker against QDateEdit. The heap_bytes counter is the heap a live,
// painted widget holds (glibc's bytes in use, averaged over 32 widgets alive at once).
#include "corvane/LunarCalendarWidget.h"
#include "corvane/LunarDatePicker.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <vector>

namespace
{

QWidget &Window()
{
    static QWidget *const window = [] {
        auto *w = new QWidget;
        w->resize(800, 600);
        return w;
    }();
    return *window;
}

template<class W>
W *ShowAndPaint()
{
    auto *widget = new W(&Window());
    widget->show();
    widget->repaint();
    return widget;
}

template<class W>
double HeapBytesPerWidget()
{
    constexpr int kCount = 32;
    QApplication::processEvents();
    const std::size_t before = mallinfo2().uordblks;
    std::vector<std::unique_ptr<W>> widgets;
    for (int i = 0; i < kCount; ++i)
        widgets.emplace_back(ShowAndPaint<W>());
    QApplication::processEvents();
    const std::size_t after = mallinfo2().uordblks;
    widgets.clear();
    QApplication::processEvents();
    return double(after - before) / kCount;
}

template<class W>
void BM_CreateShowPaint(benchmark::State &state)
{
    delete ShowAndPaint<W>(); // loads fonts, styles and tables once
    for (auto _ : state)
        delete ShowAndPaint<W>();
    state.counters["heap_bytes"] = HeapBytesPerWidget<W>();
}
BENCHMARK(BM_CreateShowPaint<corvane::LunarCalendarWidget>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateShowPaint<QCalendarWidget>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateShowPaint<corvane::LunarDatePicker>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateShowPaint<QDateEdit>)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Window().show();
    (void)QTest::qWaitForWindowExposed(&Window());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
