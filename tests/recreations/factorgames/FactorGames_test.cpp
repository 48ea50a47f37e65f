// Magic Factors' puzzle and judging, and the Number Property Game's rules,
// with the draws fixed by script where the test needs them.
#include "recreations/factorgames/MagicFactors.h"
#include "recreations/factorgames/NumberPropertyGame.h"
#include "tests/recreations/drills/ScriptedRandom.h"

#include "app/Random.h"

#include <gtest/gtest.h>

#include <set>

using namespace tv::factors;
using tv::test::ScriptedRandom;

namespace {

TEST(MagicFactorsPuzzle, EveryLevelUsesOnlyItsPrimesAndReachesTheLargest)
{
    const int largest[] = {3, 5, 7, 11, 17, 23};
    for (std::size_t level = 0; level < FactorLevels.size(); ++level) {
        SCOPED_TRACE(FactorLevels[level].caption);
        tv::rng::seed(1234);
        std::set<int> seen;
        MagicFactorsPuzzle puzzle;
        for (int deal = 0; deal < 60; ++deal) {
            puzzle.deal(FactorLevels[level].primes, tv::drills::programRandom());
            for (const auto& row : puzzle.hidden())
                for (int cell : row) {
                    ASSERT_LE(cell, largest[level]);
                    seen.insert(cell);
                }
        }
        const std::set<int> allowed(FactorPrimes.begin(), FactorPrimes.begin() + FactorLevels[level].primes);
        EXPECT_EQ(seen, allowed);
    }
}

TEST(MagicFactorsPuzzle, EasyProductsAreEightTwelveEighteenOrTwentySeven)
{
    tv::rng::seed(99);
    MagicFactorsPuzzle puzzle;
    std::set<std::int64_t> products;
    for (int deal = 0; deal < 40; ++deal) {
        puzzle.deal(2, tv::drills::programRandom());
        for (int i = 0; i < 3; ++i) {
            products.insert(puzzle.rowProduct(i));
            products.insert(puzzle.columnProduct(i));
        }
    }
    EXPECT_EQ(products, (std::set<std::int64_t>{8, 12, 18, 27}));
}

// Hidden grid, dealt row by row:  2 3 5 / 7 2 3 / 5 5 2.
MagicFactorsPuzzle scriptedPuzzle()
{
    ScriptedRandom random;
    random.push({0, 1, 2, 3, 0, 1, 2, 2, 0});
    MagicFactorsPuzzle puzzle;
    puzzle.deal(4, random.source());
    EXPECT_EQ(*random.bounds, std::vector<std::uint32_t>(9, 4u));
    return puzzle;
}

TEST(MagicFactorsPuzzle, DealsRowByRowAndShowsTheProducts)
{
    const MagicFactorsPuzzle puzzle = scriptedPuzzle();
    EXPECT_EQ(puzzle.hidden(), (Grid{{{2, 3, 5}, {7, 2, 3}, {5, 5, 2}}}));
    EXPECT_EQ(puzzle.rowProduct(0), 30);
    EXPECT_EQ(puzzle.rowProduct(1), 42);
    EXPECT_EQ(puzzle.rowProduct(2), 50);
    EXPECT_EQ(puzzle.columnProduct(0), 70);
    EXPECT_EQ(puzzle.columnProduct(1), 30);
    EXPECT_EQ(puzzle.columnProduct(2), 30);
}

TEST(MagicFactorsPuzzle, OnlyTheSixProductsCount)
{
    const MagicFactorsPuzzle puzzle = scriptedPuzzle();
    struct Case { const char* name; Grid entered; bool passes; };
    const Case cases[] = {
        {"the hidden factors", {{{2, 3, 5}, {7, 2, 3}, {5, 5, 2}}}, true},
        {"row 1 reordered breaks the columns", {{{3, 2, 5}, {7, 2, 3}, {5, 5, 2}}}, false},
        {"ones and composites with the same products", {{{1, 6, 5}, {14, 1, 3}, {5, 5, 2}}}, true},
        {"negative pairs", {{{-2, -3, 5}, {-7, -2, 3}, {5, 5, 2}}}, true},
        {"zeros", {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}, false},
        {"one factor off", {{{2, 3, 5}, {7, 2, 3}, {5, 5, 3}}}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(puzzle.matches(c.entered), c.passes) << c.name;
        EXPECT_EQ(puzzle.checkComment(c.entered), c.passes ? wellDoneComment() : keepTryingComment()) << c.name;
    }
}

TEST(MagicFactorsPuzzle, ProductsThatWouldWrapAroundDoNotPass)
{
    // All twos: every product is 8. 2 + 2^30 times 2 times 2 is 8 + 2^32,
    // which a 32-bit product would take for 8.
    ScriptedRandom random;
    MagicFactorsPuzzle puzzle;
    puzzle.deal(2, random.source());
    const int wraps = 2 + (1 << 30);
    EXPECT_FALSE(puzzle.matches(Grid{{{wraps, 2, 2}, {2, 2, 2}, {2, 2, 2}}}));
    EXPECT_FALSE(puzzle.matches(Grid{{{2147483647, 2147483647, 2147483647}, {2, 2, 2}, {2, 2, 2}}}));
    EXPECT_TRUE(puzzle.matches(Grid{{{2, 2, 2}, {2, 2, 2}, {2, 2, 2}}}));
}

TEST(MagicFactorsPuzzle, WithoutALevelEveryCheckAsksForOne)
{
    MagicFactorsPuzzle puzzle;
    EXPECT_EQ(puzzle.rowProduct(0), 0);
    EXPECT_EQ(puzzle.columnProduct(2), 0);
    EXPECT_EQ(puzzle.checkComment(Grid{}), pickLevelComment());
    // The hardest level is judged like any other.
    ScriptedRandom random;
    random.push({8, 8, 8, 8, 8, 8, 8, 8, 8});
    puzzle.deal(9, random.source());
    EXPECT_EQ(puzzle.rowProduct(0), 23 * 23 * 23);
    EXPECT_EQ(puzzle.checkComment(Grid{{{23, 23, 23}, {23, 23, 23}, {23, 23, 23}}}), wellDoneComment());
    EXPECT_EQ(puzzle.checkComment(Grid{}), keepTryingComment());
}

// ---------------------------------------------------------------------------

TEST(NumberProperty, Judging)
{
    struct Case { int n; Parity parity; Kind kind; bool right; };
    const Case cases[] = {
        {2, Parity::Even, Kind::Prime, true},     {2, Parity::Even, Kind::Composite, false},
        {2, Parity::Even, Kind::None, false},     {2, Parity::Odd, Kind::Prime, false},
        {9, Parity::Odd, Kind::Composite, true},  {9, Parity::Odd, Kind::None, true},
        {9, Parity::Odd, Kind::Prime, false},     {9, Parity::Even, Kind::Composite, false},
        {0, Parity::Even, Kind::Composite, true}, {0, Parity::Odd, Kind::Composite, false},
        {0, Parity::Even, Kind::Prime, false},    {1, Parity::Odd, Kind::Composite, true},
        {1, Parity::Odd, Kind::Prime, false},     {97, Parity::Odd, Kind::Prime, true},
        {91, Parity::Odd, Kind::Prime, false},    {4, Parity::None, Kind::Composite, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(judgeNumberProperty(c.n, c.parity, c.kind), c.right) << c.n;
}

struct NumberPropertyFixture : ::testing::Test {
    ScriptedRandom random;
    int reseeds = 0;
    NumberPropertyGame game{random.source(), [this] { ++reseeds; }};

    // Answers the number shown rightly or wrongly.
    NumberPropertyGame::CheckResult answer(bool right)
    {
        const int n = game.number();
        const Parity parity = (n % 2 == 0) == right ? Parity::Even : Parity::Odd;
        return game.check(parity, Kind::Composite); // the script deals only composites
    }
};

TEST_F(NumberPropertyFixture, StartReseedsAndDealsTwoDigits)
{
    random.push({4, 9});
    game.start();
    EXPECT_EQ(reseeds, 1);
    EXPECT_EQ(game.number(), 49);
    EXPECT_EQ((std::vector<std::uint32_t>{10, 10}), *random.bounds);
}

TEST_F(NumberPropertyFixture, EndsOnTheFirstCheckAfterTheTenthRightAnswerAndStillJudgesIt)
{
    random.push({0, 4});
    for (int i = 0; i < 40; ++i)
        random.push({static_cast<std::uint32_t>(1 + i % 8), 0}); // 10, 20, ... 80
    game.start();
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(answer(false).ended);
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(answer(true).ended) << "right answer " << i + 1;
    EXPECT_FALSE(game.finished());
    const auto last = answer(false);
    EXPECT_TRUE(last.ended);
    EXPECT_FALSE(last.right);
    EXPECT_EQ(game.wrong(), 6);
    EXPECT_TRUE(game.finished());
}

TEST_F(NumberPropertyFixture, ScoreSinksWithTicksWhileRightAnswersLead)
{
    random.push({0, 4, 1, 0, 2, 0, 3, 0, 4, 0});
    game.start();
    game.tick();
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(game.meter().value(), 0);
    answer(true);
    answer(true);
    answer(false);
    game.tick();
    EXPECT_EQ(game.ticks(), 2);
    EXPECT_EQ(game.score(), 220 - 10 - 50);
    EXPECT_EQ(game.meter().value(), 160);
}

TEST_F(NumberPropertyFixture, RestartClearsCountsButTicksWaitForTheNextCheck)
{
    for (int i = 0; i < 30; ++i)
        random.push({4, 4});
    game.start();
    for (int i = 0; i < 11; ++i)
        answer(true);
    ASSERT_TRUE(game.finished());
    game.restart();
    EXPECT_EQ(reseeds, 2);
    EXPECT_EQ(game.right() + game.wrong() + game.ticks(), 0);
    game.tick();
    EXPECT_EQ(game.ticks(), 0);
    answer(true);
    EXPECT_FALSE(game.finished());
    game.tick();
    EXPECT_EQ(game.ticks(), 1);
}

} // namespace
