// The composers the controls call on every paint and caption change.
#include "engine/DateCaption.h"
#include "engine/EngineLifetime.h"
#include "engine/MonthCells.h"
#include "engine/STermTable.h"
#include "platform/date/DateValue.h"

#include <benchmark/benchmark.h>

namespace
{

using namespace corvane;

// Every month of 1901-2030 in turn, one month per iteration.
void BM_FillMonthCells(benchmark::State &state)
{
    ModAgrCAl::EngineClient client;
    int year = 1901;
    int month = 1;
    for (auto _ : state) {
        ModAgrCAl::FillMonthCells(year, month, date::DaysInMonth(year, month));
        benchmark::DoNotOptimize(ModAgrCAl::MonthCells()[1]);
        if (++month > 12) {
            month = 1;
            year = year == 2030 ? 1901 : year + 1;
        }
    }
    state.counters["per_month"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FillMonthCells);

// Every day of 2002 in every format.
void BM_GetDateCaption(benchmark::State &state)
{
    ModAgrCAl::EngineClient client;
    const date::Date first = date::FromYmd(2002, 1, 1);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ModAgrCAl::GetDateCaption(first + i % 365, i % 5));
        ++i;
    }
    state.counters["per_caption"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GetDateCaption);

// Every term of every year of 1901-2030.
void BM_GetsTermText(benchmark::State &state)
{
    int year = 1901;
    int term = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ModAgrCAl::GetsTermText(year, term));
        if (++term > 24) {
            term = 1;
            year = year == 2030 ? 1901 : year + 1;
        }
    }
    state.counters["per_text"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GetsTermText);

} // namespace

BENCHMARK_MAIN();
