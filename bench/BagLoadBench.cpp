// Reading a property-bag text of n keys, next to parsing the same n values alone (the literal reader's
// own cost, the floor a bag cannot beat). The work per key is constant (keys are found through an
// index); from about 100,000 keys on, the time per key still grows as the bag outgrows the caches.
#include "platform/automation/PropertyBagFile.h"
#include "platform/automation/VariantLiteral.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace
{

// "Key0 = 0", "Key1 = r8:1.5", ...: keys of the kind controls save, values of a few types.
std::vector<std::string> Values(std::size_t count)
{
    static const char *const kinds[] = {"i2:", "", "r8:1.", "2002-07-", "\"text "};
    std::vector<std::string> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t kind = i % 5;
        const std::string n = std::to_string(kind == 3 ? 10 + i % 18 : i % 30000);
        values.push_back(kinds[kind] + n + (kind == 4 ? "\"" : ""));
    }
    return values;
}

void BM_ParseBag(benchmark::State &state)
{
    const auto count = std::size_t(state.range(0));
    std::string text = "# Corvane property bag\n";
    const std::vector<std::string> values = Values(count);
    for (std::size_t i = 0; i < count; ++i)
        text += "Key" + std::to_string(i) + " = " + values[i] + "\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(corvane::ParsePropertyBag(text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseBag)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Arg(200000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_ParseValuesAlone(benchmark::State &state)
{
    const std::vector<std::string> values = Values(std::size_t(state.range(0)));
    for (auto _ : state)
        for (const std::string &value : values)
            benchmark::DoNotOptimize(corvane::ParseLiteral(value));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseValuesAlone)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Arg(200000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
