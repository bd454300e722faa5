// GetAgrNumDate through the C ABI (libcorvane.so created by ProgID, invoked by dispatch id) next to
// the direct C++ call, in the same run: the difference is the automation layer's overhead.
#include "api/ModPublic.h"

#include "corvane/corvane.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace
{

constexpr double k20020719 = 37456.0;
corv_object *g_cal = nullptr;
int32_t g_getAgrNumDate = CORV_DISPID_UNKNOWN;

void BM_GetAgrNumDate_Direct(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(corvane::ModPublic::GetAgrNumDate(k20020719));
}
BENCHMARK(BM_GetAgrNumDate_Direct);

void BM_GetAgrNumDate_ThroughAbi(benchmark::State &state)
{
    corv_variant arg;
    corv_variant result;
    corv_variant_init(&arg);
    corv_variant_init(&result);
    corv_variant_set_date(&arg, k20020719);
    for (auto _ : state) {
        if (corv_invoke(g_cal, g_getAgrNumDate, CORV_METHOD, &arg, 1, &result) != CORV_OK)
            state.SkipWithError(corv_last_error_message());
        benchmark::DoNotOptimize(result.u.rec.fields);
    }
    corv_variant_clear(&result);
}
BENCHMARK(BM_GetAgrNumDate_ThroughAbi);

void BM_IdOfName(benchmark::State &state)
{
    const char *name = "getagrnumdate";
    int32_t id = 0;
    for (auto _ : state) {
        corv_ids_of_names(g_cal, &name, 1, &id);
        benchmark::DoNotOptimize(id);
    }
}
BENCHMARK(BM_IdOfName);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (!std::getenv("CORVANE_REGISTRY"))
        setenv("CORVANE_REGISTRY", CORVANE_BUILD_REGISTRY, 1);
    const char *name = "GetAgrNumDate";
    if (corv_create_object("Corvane.CQxCal", &g_cal) != CORV_OK
        || corv_ids_of_names(g_cal, &name, 1, &g_getAgrNumDate) != CORV_OK) {
        std::fprintf(stderr, "bench_abi: %s\n", corv_last_error_message());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    corv_release(g_cal);
    benchmark::Shutdown();
    return 0;
}
