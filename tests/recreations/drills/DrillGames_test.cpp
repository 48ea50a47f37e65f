// The drills' rules with the numbers drawn fixed by script and time stepped
// by hand: problems, judging, meter formulas and finishing rules.
#include "recreations/drills/DrillGames.h"
#include "tests/recreations/drills/ScriptedRandom.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>


using namespace tv::drills;
using tv::test::ScriptedRandom;

namespace {

TEST(MeterValue, KeepsItsValueWhenSetOutOfRange)
{
    struct Case { int set; int expected; };
    for (const Case c : {Case{-1, 60}, Case{0, 0}, Case{1210, 1210}, Case{1211, 60}, Case{500, 500}}) {
        MeterValue meter(1210, 60);
        EXPECT_EQ(meter.set(c.set), c.expected == c.set);
        EXPECT_EQ(meter.value(), c.expected) << "set " << c.set;
    }
}

// ---------------------------------------------------------------------------
// Times Table and Addition share one shape.

struct ArithmeticCase {
    const char* name;
    const ArithmeticRules& (*rules)();
    std::uint32_t below;
    int (*combine)(int, int);
    int meterRight, meterTicks, meterWrong;
};

const ArithmeticCase kArithmetic[] = {
    {"times table", timesTableRules, 12, [](int a, int b) { return a * b; }, 60, 10, 35},
    {"addition", additionRules, 20, [](int a, int b) { return a + b; }, 70, 10, 30},
};

TEST(ArithmeticDrill, DrawsBothNumbersBelowItsBoundAndJudgesTheResult)
{
    for (const ArithmeticCase& c : kArithmetic) {
        SCOPED_TRACE(c.name);
        const int top = static_cast<int>(c.below) - 1;
        ScriptedRandom random;
        random.push({0, 7, static_cast<std::uint32_t>(top), static_cast<std::uint32_t>(top)});
        ArithmeticDrill drill(c.rules(), random.source());
        EXPECT_EQ((std::vector<std::uint32_t>{c.below, c.below}), *random.bounds);
        EXPECT_EQ(drill.first(), 0);
        EXPECT_EQ(drill.second(), 7);
        EXPECT_EQ(drill.check(QString::number(c.combine(0, 7))), Outcome::Right);
        // The largest problem: 11 x 11 or 19 + 19.
        EXPECT_EQ(drill.first(), top);
        EXPECT_EQ(drill.answer(), c.combine(top, top));
        EXPECT_EQ(drill.check(QString::number(c.combine(top, top) + 1)), Outcome::Wrong);
        EXPECT_EQ(drill.right(), 1);
        EXPECT_EQ(drill.wrong(), 1);
    }
}

TEST(ArithmeticDrill, RealDrawsStayInRange)
{
    for (const ArithmeticCase& c : kArithmetic) {
        ArithmeticDrill drill(c.rules(), {});
        for (int i = 0; i < 19; ++i) {
            ASSERT_GE(drill.first(), 0);
            ASSERT_LT(drill.first(), static_cast<int>(c.below));
            ASSERT_LT(drill.second(), static_cast<int>(c.below));
            drill.check(QString::number(drill.answer()));
        }
    }
}

TEST(ArithmeticDrill, EmptyAnswerCountsAsZero)
{
    for (const ArithmeticCase& c : kArithmetic) {
        ScriptedRandom random;
        random.push({0, 5});
        ArithmeticDrill drill(c.rules(), random.source());
        const int product = c.combine(0, 5);
        EXPECT_EQ(drill.check(QString()), product == 0 ? Outcome::Right : Outcome::Wrong) << c.name;
    }
}

TEST(ArithmeticDrill, AnswerThatIsNotAWholeNumberRaisesAndCountsNothing)
{
    for (const char* typed : {"abc", "3.5", "1 2", " 4"}) {
        ScriptedRandom random;
        random.push({3, 4});
        ArithmeticDrill drill(timesTableRules(), random.source());
        try {
            drill.check(QString::fromLatin1(typed));
            ADD_FAILURE() << "no error for " << typed;
        } catch (const tv::ConvertError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(typed)));
        }
        EXPECT_EQ(drill.right() + drill.wrong(), 0);
        EXPECT_EQ(drill.first(), 3);
        EXPECT_EQ(drill.second(), 4);
    }
}

TEST(ArithmeticDrill, MeterAtCheckFollowsItsFormulaAndNeverGoesBelowZero)
{
    for (const ArithmeticCase& c : kArithmetic) {
        SCOPED_TRACE(c.name);
        ArithmeticDrill drill(c.rules(), {});
        EXPECT_EQ(drill.meter().value(), 60);
        for (int t = 0; t < 3; ++t)
            drill.tick();
        drill.check(QString::number(drill.answer()));
        drill.check(QString::number(drill.answer()));
        drill.check(QString::number(drill.answer() + 1));
        EXPECT_EQ(drill.meter().value(), c.meterRight * 2 - c.meterTicks * 3 - c.meterWrong * 1);
        // Many wrong answers: the formula is negative and the meter shows 0.
        for (int i = 0; i < 5; ++i)
            drill.check(QString::number(drill.answer() + 1));
        EXPECT_EQ(drill.meter().value(), 0);
    }
}

TEST(ArithmeticDrill, TimerScoreCountsOnlyWhileRightAnswersLead)
{
    struct Case { int right, wrong, ticks, score; };
    for (const Case c : {Case{0, 0, 1, 0}, Case{3, 1, 2, 300 - 30 - 60}, Case{2, 2, 1, 0}, Case{1, 3, 1, 0},
                         Case{2, 1, 20, 0}}) {
        ArithmeticDrill drill(timesTableRules(), {});
        for (int i = 0; i < c.right; ++i)
            drill.check(QString::number(drill.answer()));
        for (int i = 0; i < c.wrong; ++i)
            drill.check(QString::number(drill.answer() + 1));
        for (int i = 0; i < c.ticks; ++i)
            drill.tick();
        const int formula = 100 * c.right - 15 * c.ticks - 60 * c.wrong;
        EXPECT_EQ(drill.score(), c.wrong < c.right ? formula : 0);
        EXPECT_EQ(drill.meter().value(), std::max(0, drill.score())) << c.right << "/" << c.wrong;
    }
}

TEST(ArithmeticDrill, TwentiethAnswerFinishesAndStopsTheClock)
{
    ArithmeticDrill drill(additionRules(), {});
    for (int i = 0; i < 19; ++i) {
        drill.check(QString::number(drill.answer()));
        drill.tick();
    }
    ASSERT_FALSE(drill.finished());
    const int ticks = drill.ticks();
    EXPECT_EQ(drill.check(QString::number(drill.answer())), Outcome::Right);
    EXPECT_TRUE(drill.finished());
    drill.tick();
    EXPECT_EQ(drill.ticks(), ticks);
    EXPECT_EQ(drill.score(), 100 * 20 - 15 * ticks);
    EXPECT_EQ(drill.check(QStringLiteral("not even a number")), Outcome::Close);
    EXPECT_EQ(drill.right(), 20);
}

TEST(ArithmeticDrill, TicksAfterTheEndPutTheTimerScoreOnTheMeter)
{
    // 12 right and 8 wrong, one tick before each answer: the last "Check"
    // leaves 60*12 - 10*20 - 35*8 = 240 on the meter; the next tick, with the
    // clock stopped, replaces it with 100*12 - 15*20 - 60*8 = 420, and
    // further ticks leave it there.
    ArithmeticDrill drill(timesTableRules(), {});
    for (int i = 0; i < 20; ++i) {
        drill.tick();
        drill.check(QString::number(drill.answer() + (i < 12 ? 0 : 1)));
    }
    ASSERT_TRUE(drill.finished());
    EXPECT_EQ(drill.meter().value(), 240);
    for (int i = 0; i < 3; ++i) {
        drill.tick();
        EXPECT_EQ(drill.ticks(), 20);
        EXPECT_EQ(drill.score(), 420);
        EXPECT_EQ(drill.meter().value(), 420);
    }
}

// ---------------------------------------------------------------------------

TEST(SeriesDrill, FirstClickOnlyDealsAndTheRowsFollowTheRule)
{
    ScriptedRandom random;
    // m = 2+1, k = 4+1, A1 = 1, steps 0,3,1,2,0 (+1 each), hidden index 2.
    random.push({2, 4, 1, 0, 3, 1, 2, 0, 2});
    SeriesDrill drill(random.source());
    EXPECT_EQ(drill.click(QStringLiteral("0")), Outcome::Dealt);
    EXPECT_EQ((std::vector<std::uint32_t>{5, 5, 5, 4, 4, 4, 4, 4, 5}), *random.bounds);
    EXPECT_EQ(drill.multiplier(), 3);
    EXPECT_EQ(drill.adder(), 5);
    EXPECT_EQ(drill.top(), (std::array<int, 6>{1, 2, 6, 8, 11, 12}));
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(drill.bottom()[i], 3 * drill.top()[i] + 5);
    EXPECT_EQ(drill.hidden(), 2);
    EXPECT_EQ(drill.answer(), 23);
    EXPECT_EQ(drill.right() + drill.wrong(), 0);
    // The dealing click sets the meter too: 17*0 - 0.
    EXPECT_EQ(drill.meter().value(), 0);
}

TEST(SeriesDrill, AnswerMustBeExactlyTheNumbersText)
{
    struct Case { const char* typed; Outcome outcome; };
    for (const Case c : {Case{"23", Outcome::Right}, Case{"023", Outcome::Wrong}, Case{" 23", Outcome::Wrong},
                         Case{"23 ", Outcome::Wrong}, Case{"+23", Outcome::Wrong}, Case{"x", Outcome::Wrong}}) {
        ScriptedRandom random;
        random.push({2, 4, 1, 0, 3, 1, 2, 0, 2});
        SeriesDrill drill(random.source());
        drill.click(QStringLiteral("0"));
        EXPECT_EQ(drill.click(QString::fromLatin1(c.typed)), c.outcome) << c.typed;
    }
}

TEST(SeriesDrill, HiddenNumberIsNeverTheLastAndDrawsStayInRange)
{
    SeriesDrill drill({});
    for (int i = 0; i < 11; ++i) {
        drill.click(QStringLiteral("0"));
        EXPECT_GE(drill.hidden(), 0);
        EXPECT_LT(drill.hidden(), 5);
        EXPECT_GE(drill.multiplier(), 1);
        EXPECT_LE(drill.multiplier(), 5);
        EXPECT_GE(drill.adder(), 1);
        EXPECT_LE(drill.adder(), 5);
        EXPECT_LT(drill.top()[0], 5);
        for (std::size_t c = 1; c < 6; ++c) {
            EXPECT_GE(drill.top()[c] - drill.top()[c - 1], 1);
            EXPECT_LE(drill.top()[c] - drill.top()[c - 1], 4);
        }
    }
}

TEST(SeriesDrill, TenJudgedAnswersTakeElevenClicks)
{
    SeriesDrill drill({});
    drill.click(QString());
    for (int i = 0; i < 9; ++i) {
        drill.click(QString::number(drill.answer()));
        EXPECT_FALSE(drill.finished()) << "after answer " << i + 1;
    }
    EXPECT_EQ(drill.click(QStringLiteral("-1")), Outcome::Wrong);
    EXPECT_TRUE(drill.finished());
    EXPECT_EQ(drill.right(), 9);
    EXPECT_EQ(drill.wrong(), 1);
    EXPECT_EQ(drill.click(QString()), Outcome::Close);
}

TEST(SeriesDrill, MeterIgnoresValuesAboveItsMaximumAndSinksWithTicks)
{
    SeriesDrill drill({});
    EXPECT_EQ(drill.meter().value(), 10);
    drill.tick();
    drill.tick();
    EXPECT_EQ(drill.meter().value(), 8); // the clock runs before "Start" too
    drill.click(QString());
    EXPECT_EQ(drill.meter().value(), 0);
    drill.click(QStringLiteral("-1")); // 17*0 - 1 = -1: ignored
    EXPECT_EQ(drill.meter().value(), 0);
    drill.tick(); // 0 - 1: ignored
    EXPECT_EQ(drill.meter().value(), 0);
    for (int i = 0; i < 5; ++i)
        drill.click(QString::number(drill.answer()));
    EXPECT_EQ(drill.meter().value(), 17 * 5 - 1);
    drill.tick();
    drill.click(QString::number(drill.answer())); // 17*6 - 1 = 101: ignored
    EXPECT_EQ(drill.meter().value(), 17 * 5 - 1 - 1);
    for (int i = 0; i < 200; ++i)
        drill.tick();
    EXPECT_EQ(drill.meter().value(), 0);
}

// ---------------------------------------------------------------------------

DivisorAnswer ticks(std::initializer_list<int> numbers, bool prime = false)
{
    DivisorAnswer a;
    a.prime = prime;
    for (int n : numbers)
        for (std::size_t i = 0; i < DivisorBoxes.size(); ++i)
            if (DivisorBoxes[i] == n)
                a.ticked[i] = true;
    return a;
}

TEST(DivisorJudging, EveryListedDivisorOrPrimeAlone)
{
    struct Case { int n; DivisorAnswer answer; bool right; };
    const Case cases[] = {
        {6, ticks({2, 3}), true},         {6, ticks({2}), false},         {6, ticks({2, 3, 5}), false},
        {30, ticks({2, 3, 5}), true},     {105, ticks({3, 5, 7}), true},  {91, ticks({7}), true},
        {121, ticks({11}), true},         {121, ticks({}, true), false},  {97, ticks({}, true), true},
        {97, ticks({7}), false},          {2, ticks({}, true), true},     {2, ticks({2}), false},
        {11, ticks({}, true), true},      {9, ticks({}, true), false},    {9, ticks({3}), true},
        {0, ticks({2, 3, 5, 7, 11}), true}, {0, ticks({2, 3}), false},    {0, ticks({}, true), false},
        {1, ticks({}), true},             {1, ticks({}, true), false},    {1, ticks({2}), false},
        {4, ticks({2}, true), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(judgeDivisors(c.n, c.answer), c.right) << "n = " << c.n;
}

TEST(DivisorDrill, CheckWithNothingTickedCountsNothing)
{
    ScriptedRandom random;
    random.push({12});
    DivisorDrill drill(random.source());
    EXPECT_EQ((std::vector<std::uint32_t>{150}), *random.bounds);
    EXPECT_EQ(drill.check(DivisorAnswer{}), Outcome::NoChoice);
    EXPECT_EQ(drill.right() + drill.wrong(), 0);
    EXPECT_EQ(drill.check(ticks({2, 3})), Outcome::Right);
    // The same number may be checked again; every press counts.
    EXPECT_EQ(drill.check(ticks({2, 3})), Outcome::Right);
    EXPECT_EQ(drill.check(ticks({2})), Outcome::Wrong);
    EXPECT_EQ(drill.right(), 2);
    EXPECT_EQ(drill.wrong(), 1);
}

TEST(DivisorDrill, OneIsAnsweredByNoTick)
{
    ScriptedRandom random;
    random.push({1});
    DivisorDrill drill(random.source());
    EXPECT_EQ(drill.check(DivisorAnswer{}), Outcome::Right);
}

TEST(DivisorDrill, NextAfterTenAnswersFinishesAndChecksBeforeThatStillCount)
{
    ScriptedRandom random;
    random.push({10, 20, 30});
    DivisorDrill drill(random.source());
    for (int i = 0; i < 9; ++i)
        drill.check(ticks({2}));
    EXPECT_FALSE(drill.next());
    EXPECT_EQ(drill.number(), 20);
    drill.check(ticks({2, 5}));
    drill.check(ticks({2, 5}));
    EXPECT_EQ(drill.right() + drill.wrong(), 11);
    EXPECT_TRUE(drill.next());
    EXPECT_TRUE(drill.finished());
    EXPECT_EQ(drill.number(), 20);
    EXPECT_EQ(drill.check(ticks({2, 5})), Outcome::Close);
    EXPECT_EQ(drill.right() + drill.wrong(), 11);
}

TEST(DivisorDrill, MeterFollowsTheFormulaOnChecksAndTicks)
{
    ScriptedRandom random;
    random.push({10});
    DivisorDrill drill(random.source());
    drill.tick(); // 0 - 2: ignored
    EXPECT_EQ(drill.meter().value(), 0);
    for (int i = 0; i < 4; ++i)
        drill.check(ticks({2, 5}));
    EXPECT_EQ(drill.meter().value(), 40 - 2);
    drill.check(ticks({2}));
    EXPECT_EQ(drill.meter().value(), 40 - 3 - 2);
    drill.tick();
    EXPECT_EQ(drill.ticks(), 2);
    EXPECT_EQ(drill.meter().value(), 40 - 3 - 4);
}

TEST(DrillOpening, EveryGameStartsWithNothingCounted)
{
    ArithmeticDrill first(timesTableRules(), {});
    first.tick();
    first.tick();
    ArithmeticDrill second(timesTableRules(), {});
    EXPECT_EQ(second.ticks(), 0);
    EXPECT_EQ(second.meter().value(), 60);
    DivisorDrill divisor({});
    EXPECT_EQ(divisor.ticks(), 0);
    EXPECT_EQ(divisor.meter().value(), 0);
    SeriesDrill series({});
    EXPECT_FALSE(series.started());
    EXPECT_EQ(series.meter().value(), 10);
}

} // namespace
