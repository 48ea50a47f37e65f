// Value() works the compiled list out directly (postfix steps, the running
// value in a register) and falls back on the record walk for anything out
// of the ordinary. Over a million random (expression, variables) pairs it
// must give exactly what the walk gives: the same bits, the same CalcError,
// the same fault message, the same value left behind after an error.
#include "grapher/ExprParser.h"
#include "grapher/ExprRoutines.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include <gtest/gtest.h>

using namespace tv;

namespace {

// Random texts from the parser's grammar; brackets keep most of them valid.
class TextMaker {
public:
    explicit TextMaker(std::uint64_t seed) : m_random(seed) {}

    std::string make() { return term(0); }

private:
    int pick(int n) { return int(m_random() % std::uint64_t(n)); }

    std::string leaf()
    {
        static const char* const leaves[] = {"X", "X", "X", "Y", "A", "2", "3", "0.5", "0",
                                             "1", "-1", "10", "1E300", "1E-300", "1E4000",
                                             "PI", "-PI", "0.1", "7.25", "-3"};
        return leaves[pick(int(std::size(leaves)))];
    }
    std::string term(int depth)
    {
        if (depth > 4 || pick(10) < 3)
            return leaf();
        const std::string a = "(" + term(depth + 1) + ")";
        switch (pick(12)) {
        case 0: return "-" + a;
        case 1: {
            static const char* const powers[] = {"^2", "^3", "^4", "^5", "^-1", "^0.5", "^(2)",
                                                 "^X", "^-2"};
            return a + powers[pick(int(std::size(powers)))];
        }
        case 2:
        case 3: {
            static const char* const functions[] = {
                "SIN", "COS", "TAN", "COTAN", "SINH", "COSH", "EXP", "LN", "LOG10", "LOG2",
                "SQR", "SQRT", "ABS", "TRUNC", "INT", "CEIL", "FLOOR", "HEAV", "SIGN", "ZERO",
                "PH", "ARCTAN", "ARG"};
            return std::string(functions[pick(int(std::size(functions)))]) + a;
        }
        case 4: {
            static const char* const functions[] = {"MAX", "MIN", "POWER", "INTPOWER", "LOGN",
                                                    "ARG"};
            return std::string(functions[pick(int(std::size(functions)))]) + "(" +
                   term(depth + 1) + "," + term(depth + 1) + ")";
        }
        default: {
            static const char* const operators[] = {"+", "-", "*", "/", "MOD", "DIV", "+", "*",
                                                    "-"};
            const std::string op = operators[pick(int(std::size(operators)))];
            // Sometimes a bare leaf on one side, the shapes folded into steps.
            const std::string b = pick(3) == 0 ? leaf() : "(" + term(depth + 1) + ")";
            const std::string left = pick(4) == 0 ? leaf() + "^" + std::to_string(2 + pick(3)) : a;
            return pick(2) ? left + op + b : b + op + left;
        }
        }
    }

    std::mt19937_64 m_random;
};

struct Outcome {
    long double value = 0;
    bool calcError = false;
    QString fault;
};

bool sameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

template <typename Evaluate>
Outcome run(Evaluate evaluate, TExprParser& p)
{
    Outcome o;
    try {
        o.value = evaluate();
        o.calcError = p.CalcError();
    } catch (const MathError& e) {
        o.fault = e.message();
    }
    return o;
}

} // namespace

TEST(DirectEvaluation, AMillionRandomPairsMatchTheRecordWalk)
{
    TextMaker maker(20261209);
    std::mt19937_64 random(99);
    const long double specials[] = {0,    -0.0L, 1,      -1,      0.5L,   1e-4000L, 1e4000L,
                                    -1e4000L, 3e4931L, 1e-4940L, 1e300L, -2.5L,
                                    std::numeric_limits<long double>::infinity(),
                                    std::numeric_limits<long double>::quiet_NaN()};
    long pairs = 0, compiled = 0, bare = 0, direct = 0, errors = 0, faults = 0;
    constexpr int kValuesPerText = 50;
    while (pairs < 1000000) {
        const QString text = QString::fromStdString(maker.make());
        TExprParser direct1, walk;
        try {
            direct1.setExpression(text);
            walk.setExpression(text);
        } catch (const EMathParserError&) {
            continue;  // the maker's texts are not all valid
        }
        ++compiled;
        const std::vector<int> kinds = direct1.compiledKinds();
        if (kinds.size() == 1 && kinds[0] <= tkNumber)
            ++bare;  // its own cell, nothing to work out
        else if (direct1.evaluatesDirectly())
            ++direct;
        for (int i = 0; i < kValuesPerText; ++i) {
            long double x, y, a;
            if (random() % 8 == 0) {
                x = specials[random() % std::size(specials)];
            } else {
                std::uniform_real_distribution<double> d(-10, 10);
                x = (long double)d(random) + (long double)d(random) * 0x1p-55L;
            }
            y = (random() % 4 == 0) ? specials[random() % std::size(specials)]
                                    : (long double)(int(random() % 21) - 10) * 0.5L;
            a = (long double)(int(random() % 7) - 3);
            direct1.X = walk.X = x;
            direct1.Y = walk.Y = y;
            direct1.A = walk.A = a;
            const Outcome o1 = run([&] { return direct1.Value(); }, direct1);
            const Outcome o2 = run([&] { return walk.referenceValue(); }, walk);
            ++pairs;
            ASSERT_EQ(o1.fault, o2.fault) << text.toStdString() << " X=" << double(x);
            ASSERT_EQ(o1.calcError, o2.calcError) << text.toStdString() << " X=" << double(x);
            if (o1.fault.isEmpty()) {
                ASSERT_TRUE(sameBits(o1.value, o2.value))
                    << text.toStdString() << " X=" << double(x) << ": " << double(o1.value)
                    << " vs " << double(o2.value);
            }
            errors += o1.calcError;
            faults += !o1.fault.isEmpty();
        }
    }
    // The run covered what it is meant to: plenty of texts, all but the
    // bare variables and numbers evaluated directly, with errors and faults
    // among the pairs.
    EXPECT_GE(compiled, 1000000 / kValuesPerText);
    EXPECT_EQ(direct, compiled - bare);
    EXPECT_LT(bare, compiled / 2);
    EXPECT_GT(errors, pairs / 100);
    EXPECT_GT(faults, pairs / 100);
    EXPECT_LT(errors + faults, pairs / 2);
}

TEST(DirectEvaluation, RandomNumbersAndOutsideRoutinesWalkTheRecords)
{
    TExprParser p;
    p.setExpression("SIN(X)*2+MAX(X,1)^2");
    EXPECT_TRUE(p.evaluatesDirectly());
    // RND and RANDOM draw random numbers in the walk's order, one per call.
    p.setExpression("X*2+RND(10)");
    EXPECT_FALSE(p.evaluatesDirectly());
    p.setExpression("RANDOM(0)");
    EXPECT_FALSE(p.evaluatesDirectly());
    // A routine registered from outside may do anything.
    p.addFunction1("TWICE", [](TExprOperation& op) { *op.result = 2 * *op.operand1; });
    p.setExpression("TWICE(X)+1");
    EXPECT_FALSE(p.evaluatesDirectly());
    p.X = 4;
    EXPECT_EQ(p.Value(), 9);
    // A bare variable or number is its own cell.
    p.setExpression("X");
    EXPECT_FALSE(p.evaluatesDirectly());
    EXPECT_EQ(p.Value(), 4);
}

// Deeply nested operands are saved below the top; the deepest a text can
// nest still fits.
TEST(DirectEvaluation, DeepNestingFitsTheSavedValues)
{
    TExprParser p;
    QString text = "X";
    for (int i = 0; i < 9; ++i)
        text = QStringLiteral("(X+1)*(%1)").arg(text);
    p.setExpression(text);
    ASSERT_TRUE(p.evaluatesDirectly());
    p.X = 0.5L;
    const long double direct = p.Value();
    EXPECT_TRUE(sameBits(direct, p.referenceValue()));
    // ((X+1)*...) saves one value per level when both operands are worked out.
    text = "X";
    for (int i = 0; i < 9; ++i)
        text = QStringLiteral("(X*X+1)*(%1)").arg(text);
    p.setExpression(text);
    p.X = 1.0001L;
    const long double deep = p.Value();
    EXPECT_TRUE(sameBits(deep, p.referenceValue()));
}

// Shapes where an infinity made early would vanish later (a function, a
// quotient, a comparison) or where an error and a fault compete: the walk's
// first record decides, and the direct evaluation must hand over to it.
TEST(DirectEvaluation, VanishingInfinitiesAndCompetingErrorsFollowTheWalk)
{
    const long double huge = 1e3000L;
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const struct {
        const char* text;
        long double x;
        const char* fault;  // the walk's fault, or "" (then compare values)
        bool calcError;
    } cases[] = {
        {"ARCTAN(X*X)", huge, "Floating point overflow", false},
        {"1/(X*X)", huge, "Floating point overflow", false},
        {"MAX(X*X,1)", huge, "Floating point overflow", false},
        {"HEAV(X*X-X*X)", huge, "Floating point overflow", false},
        {"EXP(-(X*X))", huge, "Floating point overflow", false},
        {"(X*X)/(X*X)", huge, "Floating point overflow", false},
        {"X/1E-300", 1e4900L, "Floating point overflow", false},
        {"SIGN(X/1E-300)", 1e4900L, "Floating point overflow", false},
        {"SQRT(-1)+X*X", huge, "", true},      // SQRT comes first in the walk
        {"X*X+LN(X-X)", huge, "Floating point overflow", false},
        {"TRUNC(X)", nan, "Invalid floating point operation", false},
        {"ARCTAN(X)", std::numeric_limits<long double>::infinity(), "", false},
        {"1/X", std::numeric_limits<long double>::infinity(), "", false},
        {"X/2+X", 1.5L, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TExprParser direct1, walk;
        direct1.setExpression(c.text);
        walk.setExpression(c.text);
        direct1.X = walk.X = c.x;
        const Outcome o1 = run([&] { return direct1.Value(); }, direct1);
        const Outcome o2 = run([&] { return walk.referenceValue(); }, walk);
        EXPECT_EQ(o2.fault, QString::fromLatin1(c.fault));
        EXPECT_EQ(o2.calcError, c.calcError);
        EXPECT_EQ(o1.fault, o2.fault);
        EXPECT_EQ(o1.calcError, o2.calcError);
        if (o1.fault.isEmpty() && !o1.calcError) {
            EXPECT_TRUE(sameBits(o1.value, o2.value));
        }
    }
}

namespace {
// Runs both parsers, which have seen the same history, and compares.
void expectSameOutcome(TExprParser& direct1, TExprParser& walk, const std::string& where)
{
    const Outcome o1 = run([&] { return direct1.Value(); }, direct1);
    const Outcome o2 = run([&] { return walk.referenceValue(); }, walk);
    EXPECT_EQ(o1.fault.toStdString(), o2.fault.toStdString()) << where;
    EXPECT_EQ(o1.calcError, o2.calcError) << where;
    if (o1.fault.isEmpty()) {
        EXPECT_TRUE(sameBits(o1.value, o2.value))
            << where << ": " << double(o1.value) << " vs " << double(o2.value);
    }
}
} // namespace

// One parser recompiled again and again, with a variable of the caller's
// own that becomes the most read operand and changes between evaluations,
// and the value left behind when an error follows a good evaluation.
TEST(DirectEvaluation, RecompiledTextsAndOutsideVariablesFollowTheWalk)
{
    long double z1 = 0, z2 = 0;
    TExprParser direct1, walk;
    direct1.addVariable("Z", &z1);
    walk.addVariable("Z", &z2);
    const char* const texts[] = {"X/(X-1)",     "(X",  "Z*Z+X/Z-SIN(Z)*Z", "",
                                 "SQRT(Z)+Z^5", "1/Z", "(Z-1)MOD(X-1)",    "LN(Z)*Z"};
    const long double values[] = {2, 1, 0, -1, 0.5L, 3, 1e-4000L, -0.0L};
    for (const char* text : texts) {
        bool failed1 = false, failed2 = false;
        try {
            direct1.setExpression(text);
        } catch (const EMathParserError&) {
            failed1 = true;
        }
        try {
            walk.setExpression(text);
        } catch (const EMathParserError&) {
            failed2 = true;
        }
        ASSERT_EQ(failed1, failed2) << text;
        for (const long double x : values)
            for (const long double z : values) {
                direct1.X = walk.X = x;
                z1 = z2 = z;
                expectSameOutcome(direct1, walk,
                                  std::string(text) + " X=" + std::to_string(double(x)) +
                                      " Z=" + std::to_string(double(z)));
            }
    }
}

// A NaN the caller stores in a variable may carry any payload, even the one
// the routines use among themselves for "no defined result": it must still
// be the invalid operation (or error) that any other NaN gives.
TEST(DirectEvaluation, AnyNaNPayloadInAVariableActsLikeANaN)
{
    TExprParser p;
    TExprKernel1 sqrtValue = nullptr;
    TExprKernel2 unused = nullptr;
    ASSERT_TRUE(directFormOf(p.nameTables().functions1.at("SQRT"), sqrtValue, unused));
    const long double noValue = sqrtValue(-1);  // the routines' own "error" NaN
    ASSERT_TRUE(std::isnan(noValue));
    const long double plain = std::numeric_limits<long double>::quiet_NaN();
    const char* const texts[] = {"SQRT(X)", "LN(X+1)", "TAN(X)",  "COTAN(X)",  "LOG10(X)",
                                 "ARG(X)",  "ARG(X,1)", "LOGN(2,X)", "LOGN(X,-1)", "X/2"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        TExprParser a, b;
        a.setExpression(text);
        b.setExpression(text);
        a.X = noValue;
        b.X = plain;
        for (bool walkOnly : {false, true}) {
            const Outcome oa = run([&] { return walkOnly ? a.referenceValue() : a.Value(); }, a);
            const Outcome ob = run([&] { return walkOnly ? b.referenceValue() : b.Value(); }, b);
            EXPECT_EQ(oa.fault.toStdString(), ob.fault.toStdString());
            EXPECT_EQ(oa.calcError, ob.calcError);
        }
    }
    p.setExpression("SQRT(X)");
    p.X = noValue;
    const Outcome o = run([&] { return p.Value(); }, p);
    EXPECT_EQ(o.fault, QStringLiteral("Invalid floating point operation"));
    EXPECT_FALSE(o.calcError);
}
