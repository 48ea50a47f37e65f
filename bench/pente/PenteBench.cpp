// The computer's move choice on a 19x19 board: empty, and after 60 stones.
#include "recreations/pente/PenteU.h"

#include <benchmark/benchmark.h>

#include <cstdint>

using tv::pente::tpenteGame;

namespace {

// 60 stones of alternating colour at fixed scattered cells.
tpenteGame boardOf60()
{
    tpenteGame g(19, 5);
    std::uint32_t seed = 12345u;
    int placed = 0;
    while (placed < 60) {
        seed = seed * 1103515245u + 12345u;
        const int x = 1 + static_cast<int>((seed >> 8) % 19u);
        const int y = 1 + static_cast<int>((seed >> 20) % 19u);
        if (g.GetCell(x, y) != 0)
            continue;
        g.PlaceStone(x, y, placed % 2 == 0 ? tv::pente::Player1 : tv::pente::Player2);
        ++placed;
    }
    return g;
}

void BM_FindBestMoveEmpty(benchmark::State& state)
{
    tpenteGame g(19, 5);
    for (auto _ : state) {
        std::int32_t x = 0, y = 0;
        benchmark::DoNotOptimize(g.FindBestMove(1, x, y));
        benchmark::DoNotOptimize(x + y);
    }
}
BENCHMARK(BM_FindBestMoveEmpty)->Unit(benchmark::kMicrosecond);

void BM_FindBestMove60Stones(benchmark::State& state)
{
    tpenteGame g = boardOf60();
    for (auto _ : state) {
        std::int32_t x = 0, y = 0;
        benchmark::DoNotOptimize(g.FindBestMove(1, x, y));
        benchmark::DoNotOptimize(x + y);
    }
}
BENCHMARK(BM_FindBestMove60Stones)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
