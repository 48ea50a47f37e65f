// Worst-case entries of the reference calculators: each must answer at once.
#include "numbertools/BigNatural.h"
#include "numbertools/Diophantine.h"
#include "numbertools/FactorFinders.h"
#include "numbertools/Factorials.h"
#include "numbertools/UnitGetFactors.h"
#include "numbertools/UnitLCMandGCD.h"
#include "numbertools/unitIsPrime.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PrimeFactoring9999991(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::primeFactorsText(9999991));
}
BENCHMARK(BM_PrimeFactoring9999991);

void BM_IsPrimeLargest32BitPrime(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::IsPrime(2147483647));
}
BENCHMARK(BM_IsPrimeLargest32BitPrime);

void BM_GetFactors(benchmark::State& state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    tv::APIntFactorArray f;
    for (auto _ : state) {
        tv::GetFactors(n, f);
        benchmark::DoNotOptimize(f.data());
    }
}
BENCHMARK(BM_GetFactors)->Arg(735134400)->Arg(999999999);

void BM_AllFactorsText(benchmark::State& state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::allFactors(n));
}
BENCHMARK(BM_AllFactorsText)->Arg(735134400)->Arg(999999999);

void BM_GCDLargeCoprime(benchmark::State& state)
{
    // Consecutive Fibonacci numbers: the most Euclid steps for their size.
    std::int32_t a = 1836311903, b = 1134903170;
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::GCD(a, b));
}
BENCHMARK(BM_GCDLargeCoprime);

void BM_LargeFactorial999(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::largeFactorial(999));
}
BENCHMARK(BM_LargeFactorial999);

void BM_PowersOfTwoTo200(benchmark::State& state)
{
    for (auto _ : state) {
        tv::BigNatural p(1);
        for (int n = 1; n <= 200; ++n) {
            p.multiplyBy(2);
            benchmark::DoNotOptimize(tv::groupDigits(p.toDecimal(), ","));
        }
    }
}
BENCHMARK(BM_PowersOfTwoTo200);

void BM_DiophantineLargest(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::solveDiophantine(1836311903, -1134903170, 2147483647));
}
BENCHMARK(BM_DiophantineLargest);

} // namespace

BENCHMARK_MAIN();
