// The fixed texts and the worst-case entries of the fraction, body-mass and
// sequence tools: each must be ready at once when its window opens or its
// button is pressed.
#include "numbertools/BodyMassIndex.h"
#include "numbertools/Factor128.h"
#include "numbertools/FractionCalculation.h"
#include "numbertools/NumberSequences.h"
#include "ui/Conversions.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PowersOfTwoText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::powersOfTwoLines());
}
BENCHMARK(BM_PowersOfTwoText)->Unit(benchmark::kMillisecond);

void BM_OddPrimesText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::oddPrimeLines());
}
BENCHMARK(BM_OddPrimesText)->Unit(benchmark::kMillisecond);

void BM_LucasText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::lucasLines());
}
BENCHMARK(BM_LucasText)->Unit(benchmark::kMillisecond);

// The slowest single Lucas factorisation among L1 .. L100.
void BM_FactorLargestLucas(benchmark::State& state)
{
    const tv::UInt128 value = tv::lucasNumber(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::primeFactors128(value));
}
BENCHMARK(BM_FactorLargestLucas)->Arg(97)->Arg(99)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_FibonacciLikeLargestStart(benchmark::State& state)
{
    for (auto _ : state) {
        int rows = 0;
        tv::fibonacciLikeRows(
            2147483647, 2147483647, [&](int, tv::Int128 v) { rows += static_cast<int>(tv::toDecimal(v).size()); },
            [&](int, long double r) { rows += tv::floatToStr(r).size(); });
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_FibonacciLikeLargestStart)->Unit(benchmark::kMicrosecond);

void BM_FractionWithLargeOperands(benchmark::State& state)
{
    // Neighbouring large denominators: coprime, the longest reduction.
    const QString a = QStringLiteral("1/2147483647");
    const QString b = QStringLiteral("1/2147483646");
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::fractionAnswer(a, b, tv::FractionOperation::Divide));
}
BENCHMARK(BM_FractionWithLargeOperands)->Unit(benchmark::kMicrosecond);

// One screenful of the widest square-root table, taken at its far end.
void BM_SquareRootScreenful(benchmark::State& state)
{
    for (auto _ : state)
        for (std::int64_t n = 2147483600; n < 2147483630; ++n)
            benchmark::DoNotOptimize(tv::squareRootText(n));
}
BENCHMARK(BM_SquareRootScreenful)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
