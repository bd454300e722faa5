// Cost of one call through the C ABI: the test library's SplitDate takes one date and returns a
// five-field record, the shape of the calendar methods. Run with the library path as argument.
#include "corvane/corvane.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace
{

constexpr int32_t kAdd = 0x10;
constexpr int32_t kSplitDate = 0x11;

corv_object *g_toy = nullptr;

void InvokeDateToRecord(benchmark::State &state)
{
    corv_variant arg;
    corv_variant result;
    corv_variant_init(&arg);
    corv_variant_init(&result);
    corv_variant_set_date(&arg, 37456.0);
    for (auto _ : state) {
        if (corv_invoke(g_toy, kSplitDate, CORV_METHOD, &arg, 1, &result) != 0)
            state.SkipWithError(corv_last_error_message());
        benchmark::DoNotOptimize(result.u.rec.fields);
        corv_variant_clear(&result);
    }
}
BENCHMARK(InvokeDateToRecord);

void InvokeTwoIntegers(benchmark::State &state)
{
    corv_variant args[2];
    corv_variant result;
    corv_variant_init(&result);
    corv_variant_init(&args[0]);
    corv_variant_init(&args[1]);
    corv_variant_set_i4(&args[0], 40);
    corv_variant_set_i4(&args[1], 2);
    for (auto _ : state) {
        if (corv_invoke(g_toy, kAdd, CORV_METHOD, args, 2, &result) != 0)
            state.SkipWithError(corv_last_error_message());
        benchmark::DoNotOptimize(result.u.i4);
    }
}
BENCHMARK(InvokeTwoIntegers);

void IdOfName(benchmark::State &state)
{
    const char *name = "splitdate";
    int32_t id = 0;
    for (auto _ : state) {
        corv_ids_of_names(g_toy, &name, 1, &id);
        benchmark::DoNotOptimize(id);
    }
}
BENCHMARK(IdOfName);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s [benchmark options] LIBRARY\n", argv[0]);
        return 2;
    }
    const std::string registry = (std::filesystem::temp_directory_path() / "corvane-bench-registry").string();
    setenv("CORVANE_REGISTRY", registry.c_str(), 1);
    if (corv_register_library(argv[1], nullptr) != 0 || corv_create_object("Corvane.Toy", &g_toy) != 0) {
        std::fprintf(stderr, "%s\n", corv_last_error_message());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    corv_release(g_toy);
    std::filesystem::remove(registry);
    return 0;
}
