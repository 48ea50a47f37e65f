// Tosses per second of Buffon's needles, per direction method, with and
// without drawing: ten million tosses with graphics off must take well under
// a second.
#include "numbertools/BuffonNeedles.h"

#include <benchmark/benchmark.h>

#include <numbers>
#include <vector>

namespace {

constexpr std::int64_t GroupTosses = 100'000;

void BM_TossesGraphicsOff(benchmark::State& state)
{
    std::mt19937 engine(1u);
    tv::buffon::Simulation sim(engine);
    sim.setMethod(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(sim.runGroup(GroupTosses, nullptr, [](int) { return true; }));
    benchmark::DoNotOptimize(sim.counts().crossings);
    state.SetItemsProcessed(state.iterations() * GroupTosses);
}
BENCHMARK(BM_TossesGraphicsOff)->DenseRange(1, 4);

void BM_TossesGraphicsOn(benchmark::State& state)
{
    std::vector<std::uint32_t> tosses(580 * 320, 0xFFFFFFFFu), graph(482 * 225, 0xFFFFFFFFu);
    const tv::TSimplePantograph map(39, 0, 482, 207, 0.0, 0.5, std::numbers::pi, 0.0);
    tv::buffon::Pictures pictures{{tosses.data(), 580, 320, 580}, {graph.data(), 482, 225, 482}, &map, 16, 20, 10.0};
    std::mt19937 engine(1u);
    tv::buffon::Simulation sim(engine);
    sim.setMethod(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(sim.runGroup(GroupTosses, &pictures, [](int) { return true; }));
    benchmark::DoNotOptimize(tosses.data());
    benchmark::DoNotOptimize(graph.data());
    state.SetItemsProcessed(state.iterations() * GroupTosses);
}
BENCHMARK(BM_TossesGraphicsOn)->DenseRange(1, 4);

} // namespace

BENCHMARK_MAIN();
