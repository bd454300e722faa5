// Gregorian <-> lunar conversion over every day of 1901-2030: the engine and the direct calendar API
// (corvane/calendar.hpp, through libcorvane-calendar.so) next to ICU's icu::ChineseCalendar doing the
// same work in the same run.
#include "AllocationCounter.h"

#include "engine/AgrConversion.h"

#include "corvane/calendar.hpp"

#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/simpletz.h>

#include <chrono>
#include <memory>
#include <string_view>
#include <vector>

namespace
{

using namespace corvane;

struct Day {
    std::int16_t year, month, day;
};

const std::vector<Day> &EveryDay()
{
    static const std::vector<Day> everyDay = [] {
        using namespace std::chrono;
        std::vector<Day> out;
        for (sys_days d = sys_days{year{1901} / 1 / 1}; d <= sys_days{year{2030} / 12 / 31}; d += days{1}) {
            const year_month_day ymd{d};
            out.push_back({std::int16_t(int(ymd.year())),
                           std::int16_t(unsigned(ymd.month())),
                           std::int16_t(unsigned(ymd.day()))});
        }
        return out;
    }();
    return everyDay;
}

const std::vector<ModAgrCAl::AgrDate> &EveryLunarDay()
{
    static const std::vector<ModAgrCAl::AgrDate> dates = [] {
        std::vector<ModAgrCAl::AgrDate> out;
        for (const Day &d : EveryDay())
            out.push_back(ModAgrCAl::UniToAgrDate(d.year, d.month, d.day));
        return out;
    }();
    return dates;
}

void SetPerConversionCounters(benchmark::State &state, std::size_t perIteration, std::size_t allocations)
{
    const double conversions = double(state.iterations()) * double(perIteration);
    state.SetItemsProcessed(std::int64_t(conversions));
    // Seconds per conversion; the report prints it with an SI prefix (n = nanoseconds).
    state.counters["per_conversion"] =
        benchmark::Counter(conversions, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_conversion"] = double(allocations) / conversions;
}

void BM_UniToAgrDate(benchmark::State &state)
{
    const auto &days = EveryDay();
    ModAgrCAl::AgrDate out;
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = bench::AllocationCount();
        for (const Day &d : days) {
            ModAgrCAl::UniToAgrDate(d.year, d.month, d.day, out);
            benchmark::DoNotOptimize(out);
        }
        allocations += bench::AllocationCount() - before;
    }
    SetPerConversionCounters(state, days.size(), allocations);
}
BENCHMARK(BM_UniToAgrDate)->Unit(benchmark::kMillisecond);

void BM_AgrToUniDate(benchmark::State &state)
{
    const auto &dates = EveryLunarDay();
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = bench::AllocationCount();
        for (const ModAgrCAl::AgrDate &a : dates)
            benchmark::DoNotOptimize(ModAgrCAl::AgrToUniDate(a.Year, a.Month, a.Day));
        allocations += bench::AllocationCount() - before;
    }
    SetPerConversionCounters(state, dates.size(), allocations);
}
BENCHMARK(BM_AgrToUniDate)->Unit(benchmark::kMillisecond);

// The direct API: checked arguments, the year_month_day and lunar_date value types, errors by exception.
void BM_CalendarToLunar(benchmark::State &state)
{
    std::vector<std::chrono::year_month_day> days;
    for (const Day &d : EveryDay())
        days.push_back(std::chrono::year{d.year} / d.month / d.day);
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = bench::AllocationCount();
        for (const std::chrono::year_month_day &d : days)
            benchmark::DoNotOptimize(corvane::to_lunar(d));
        allocations += bench::AllocationCount() - before;
    }
    SetPerConversionCounters(state, days.size(), allocations);
}
BENCHMARK(BM_CalendarToLunar)->Unit(benchmark::kMillisecond);

void BM_CalendarToGregorian(benchmark::State &state)
{
    std::vector<corvane::lunar_date> dates;
    for (const Day &d : EveryDay())
        dates.push_back(corvane::to_lunar(std::chrono::year{d.year} / d.month / d.day));
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = bench::AllocationCount();
        for (const corvane::lunar_date &d : dates)
            benchmark::DoNotOptimize(corvane::to_gregorian(d));
        allocations += bench::AllocationCount() - before;
    }
    SetPerConversionCounters(state, dates.size(), allocations);
}
BENCHMARK(BM_CalendarToGregorian)->Unit(benchmark::kMillisecond);

// ICU: midnight of each day in China Standard Time, read back extended year, month, leap flag, day.
std::unique_ptr<icu::Calendar> MakeChineseCalendar()
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(new icu::SimpleTimeZone(8 * 3600000, "UTC+8"),
                                                                          icu::Locale("zh_CN@calendar=chinese"),
                                                                          status));
    if (U_FAILURE(status) || std::string_view(calendar->getType()) != "chinese")
        return nullptr;
    return calendar;
}

UDate MidnightUtc8(const Day &d)
{
    using namespace std::chrono;
    const sys_days day{year{d.year} / d.month / d.day};
    return double(day.time_since_epoch().count()) * 86400000.0 - 8 * 3600000.0;
}

void BM_IcuChineseCalendar_ToLunar(benchmark::State &state)
{
    auto calendar = MakeChineseCalendar();
    if (!calendar) {
        state.SkipWithError("ICU ChineseCalendar unavailable");
        return;
    }
    const auto &days = EveryDay();
    for (auto _ : state) {
        for (const Day &d : days) {
            UErrorCode status = U_ZERO_ERROR;
            calendar->setTime(MidnightUtc8(d), status);
            benchmark::DoNotOptimize(calendar->get(UCAL_EXTENDED_YEAR, status));
            benchmark::DoNotOptimize(calendar->get(UCAL_MONTH, status));
            benchmark::DoNotOptimize(calendar->get(UCAL_IS_LEAP_MONTH, status));
            benchmark::DoNotOptimize(calendar->get(UCAL_DATE, status));
        }
    }
    SetPerConversionCounters(state, days.size(), 0);
}
BENCHMARK(BM_IcuChineseCalendar_ToLunar)->Unit(benchmark::kMillisecond)->Iterations(2);

struct IcuLunar {
    int32_t extendedYear, month, leap, day;
};

void BM_IcuChineseCalendar_ToGregorian(benchmark::State &state)
{
    auto calendar = MakeChineseCalendar();
    if (!calendar) {
        state.SkipWithError("ICU ChineseCalendar unavailable");
        return;
    }
    std::vector<IcuLunar> lunar;
    for (const Day &d : EveryDay()) {
        UErrorCode status = U_ZERO_ERROR;
        calendar->setTime(MidnightUtc8(d), status);
        lunar.push_back({calendar->get(UCAL_EXTENDED_YEAR, status),
                         calendar->get(UCAL_MONTH, status),
                         calendar->get(UCAL_IS_LEAP_MONTH, status),
                         calendar->get(UCAL_DATE, status)});
    }
    for (auto _ : state) {
        for (const IcuLunar &l : lunar) {
            UErrorCode status = U_ZERO_ERROR;
            calendar->clear();
            calendar->set(UCAL_EXTENDED_YEAR, l.extendedYear);
            calendar->set(UCAL_MONTH, l.month);
            calendar->set(UCAL_IS_LEAP_MONTH, l.leap);
            calendar->set(UCAL_DATE, l.day);
            benchmark::DoNotOptimize(calendar->getTime(status));
        }
    }
    SetPerConversionCounters(state, lunar.size(), 0);
}
BENCHMARK(BM_IcuChineseCalendar_ToGregorian)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
