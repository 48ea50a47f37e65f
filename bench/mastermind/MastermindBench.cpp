// The computer's guess choice at the smart level: the minimax over all
// 1296 patterns and ChooseNextGuess after one guess; then whole games
// against every secret, reporting the average and worst number of guesses.
#include "recreations/mastermind/MastermindLogic.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

using namespace tv::mastermind;

namespace {

RandomBelow always(std::uint32_t value)
{
    return [value](std::uint32_t n) { return value % n; };
}

int playSelfScored(TMastermindGame& game, Level level, std::int32_t secret, const RandomBelow& random)
{
    game.StartComputerGame(level, PatternOfEntry(secret), true);
    game.ChooseFirstGuess(random);
    for (;;) {
        game.SetScore(game.ScoreAgainstSecret());
        if (game.AdvanceAfterScore() != GameResult::None)
            return game.GuessCount;
    }
}

// The level-3 minimax over all 1296 patterns: the largest list it can face.
void BM_MinimaxAllEligible(benchmark::State& state)
{
    TMastermindGame game;
    std::vector<std::int32_t> all;
    for (std::int32_t e = 1; e <= NumPatterns; ++e)
        all.push_back(e);
    for (auto _ : state)
        benchmark::DoNotOptimize(game.MinimaxGuess(all));
}

// After one opening guess, for each score it can get.
void BM_ChooseNextAfterOneGuess(benchmark::State& state)
{
    const Score scores[] = {{0, 0}, {0, 1}, {1, 0}, {0, 2}, {1, 1}, {2, 0}};
    const Score score = scores[state.range(0)];
    TMastermindGame game;
    int eligible = 0;
    for (auto _ : state) {
        state.PauseTiming();
        game.StartComputerGame(Level::Smarter, PegPattern{}, false);
        game.ChooseFirstGuess(always(0)); // red-red-blue-blue
        game.SetScore(score);
        state.ResumeTiming();
        benchmark::DoNotOptimize(game.ChooseNextGuess());
        eligible = game.EligibleCount;
    }
    state.counters["eligible"] = eligible;
}

void reportGames()
{
    TMastermindGame game;
    for (Level level : {Level::Average, Level::Smarter}) {
        long total = 0;
        int worst = 0;
        for (std::int32_t s = 1; s <= NumPatterns; ++s) {
            const int n = playSelfScored(game, level, s, always(0));
            total += n;
            worst = std::max(worst, n);
        }
        std::printf("level %d, opening %s: average %.4f, worst %d guesses\n", int(level),
                    qPrintable(PatternLetters(PatternOfEntry(level == Level::Smarter ? game.OpeningList[0] : 1))),
                    double(total) / NumPatterns, worst);
    }
    long total = 0;
    int worst = 0;
    double bestAverage = 100, worstAverage = 0;
    for (std::uint32_t o = 0; o < 90; ++o) {
        long openingTotal = 0;
        for (std::int32_t s = 1; s <= NumPatterns; ++s) {
            const int n = playSelfScored(game, Level::Smarter, s, always(o));
            openingTotal += n;
            worst = std::max(worst, n);
        }
        total += openingTotal;
        bestAverage = std::min(bestAverage, double(openingTotal) / NumPatterns);
        worstAverage = std::max(worstAverage, double(openingTotal) / NumPatterns);
    }
    std::printf("level 3 over all 90 openings: average %.4f (per opening %.4f .. %.4f), worst %d guesses\n",
                double(total) / (90.0 * NumPatterns), bestAverage, worstAverage, worst);
}

} // namespace

BENCHMARK(BM_MinimaxAllEligible)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseNextAfterOneGuess)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    reportGames();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
