#include "numbertools/Diophantine.h"

#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <random>

using namespace tv;
using Kind = DiophantineSolution::Kind;

namespace {

struct Lines {
    QString x, y;
};

// The extended Euclidean algorithm as first written, in plain 32-bit
// arithmetic (only fed values small enough that nothing overflows).
Lines reference(std::int32_t A, std::int32_t B, std::int32_t C)
{
    std::int32_t r0, s0, t0, r1, s1, t1;
    if (std::abs(A) >= std::abs(B)) {
        r0 = A, s0 = 1, t0 = 0, r1 = B, s1 = 0, t1 = 1;
    } else {
        r0 = B, s0 = 0, t0 = 1, r1 = A, s1 = 1, t1 = 0;
    }
    while (r1 != 0 && r0 != 0) {
        const std::int32_t q = r0 / r1;
        std::int32_t t = r0 - q * r1;
        r0 = r1, r1 = t;
        t = s0 - q * s1;
        s0 = s1, s1 = t;
        t = t0 - q * t1;
        t0 = t1, t1 = t;
    }
    const std::int32_t x0 = s0 * C / r0, y0 = t0 * C / r0;
    Lines l;
    l.x = QStringLiteral("x = %1 + %2k").arg(x0).arg(s1);
    l.y = C > 0 ? QStringLiteral("y = %1 - %2k").arg(y0).arg(-t1) : QStringLiteral("y = %1 + %2k").arg(y0).arg(t1);
    return l;
}

struct Family {
    std::int64_t x0, dx, y0, dy;
};

// Reads "x = X0 + DXk" and "y = Y0 - Nk" / "y = Y0 + DYk" back into numbers.
Family parse(const DiophantineSolution& s)
{
    static const QRegularExpression xre(QStringLiteral("^x = (-?\\d+) \\+ (-?\\d+)k$"));
    static const QRegularExpression yre(QStringLiteral("^y = (-?\\d+) ([-+]) (-?\\d+)k$"));
    const auto mx = xre.match(s.xLine), my = yre.match(s.yLine);
    EXPECT_TRUE(mx.hasMatch()) << qPrintable(s.xLine);
    EXPECT_TRUE(my.hasMatch()) << qPrintable(s.yLine);
    Family f{mx.captured(1).toLongLong(), mx.captured(2).toLongLong(), my.captured(1).toLongLong(),
             my.captured(3).toLongLong()};
    if (my.captured(2) == QLatin1String("-"))
        f.dy = -f.dy;
    return f;
}

void expectSolvesEverything(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const DiophantineSolution s = solveDiophantine(a, b, c);
    ASSERT_EQ(s.kind, Kind::Family) << a << " " << b << " " << c;
    const Family f = parse(s);
    for (std::int64_t k = -3; k <= 3; ++k) {
        const __int128 lhs = __int128{a} * (f.x0 + f.dx * k) + __int128{b} * (f.y0 + f.dy * k);
        ASSERT_TRUE(lhs == c) << a << " " << b << " " << c << " k=" << k;
    }
    // The step is the smallest one, so the lines give every solution.
    const std::int64_t g = std::gcd(std::int64_t{a}, std::int64_t{b});
    EXPECT_EQ(std::llabs(f.dx), std::llabs(std::int64_t{b}) / g);
    EXPECT_EQ(std::llabs(f.dy), std::llabs(std::int64_t{a}) / g);
}

} // namespace

TEST(Diophantine, TheWorkedExamples)
{
    struct Row {
        int a, b, c;
        const char *x, *y;
    };
    for (const Row& r : {Row{5, 3, 1, "x = -1 + 3k", "y = 2 - 5k"},
                         Row{5, -3, 1, "x = -1 + 3k", "y = -2 - -5k"},
                         Row{5, -3, -1, "x = 1 + 3k", "y = 2 + 5k"},
                         Row{4, 6, 2, "x = -1 + 3k", "y = 1 - 2k"},
                         Row{3, 5, 0, "x = 0 + -5k", "y = 0 + 3k"}}) {
        const DiophantineSolution s = solveDiophantine(r.a, r.b, r.c);
        EXPECT_EQ(s.kind, Kind::Family);
        EXPECT_EQ(s.xLine, QString::fromLatin1(r.x)) << r.a << " " << r.b << " " << r.c;
        EXPECT_EQ(s.yLine, QString::fromLatin1(r.y)) << r.a << " " << r.b << " " << r.c;
    }
    EXPECT_EQ(solveDiophantine(4, 6, 3).kind, Kind::NoSolution);
    EXPECT_EQ(DiophantineNoSolution, QStringLiteral("NO SOLUTION EXISTS!"));
}

TEST(Diophantine, AgreesWithThe32BitAlgorithmWhereNothingOverflows)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coef(-300, 300);
    int compared = 0;
    for (int i = 0; i < 30000; ++i) {
        const int a = coef(rng), b = coef(rng), c = coef(rng);
        if (a == 0 || b == 0 || c % std::gcd(a, b) != 0) {
            continue;
        }
        const DiophantineSolution s = solveDiophantine(a, b, c);
        const Lines l = reference(a, b, c);
        ASSERT_EQ(s.xLine, l.x) << a << " " << b << " " << c;
        ASSERT_EQ(s.yLine, l.y) << a << " " << b << " " << c;
        ++compared;
    }
    EXPECT_GT(compared, 10000);
}

TEST(Diophantine, ExactAtTheEdgesOfThe32BitRange)
{
    const std::int32_t lo = INT32_MIN, hi = INT32_MAX;
    expectSolvesEverything(hi, hi - 1, hi);
    expectSolvesEverything(hi, hi - 1, lo);
    expectSolvesEverything(lo, hi, 1);
    expectSolvesEverything(lo, lo + 2, -2);
    expectSolvesEverything(lo, 3, hi);
    expectSolvesEverything(46341, 46343, hi);
    expectSolvesEverything(65536 * 3, 65536 * 5, 65536 * 7);
    expectSolvesEverything(-1, lo, lo);
    std::mt19937 rng(5);
    std::uniform_int_distribution<std::int32_t> any(lo, hi);
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t a = any(rng), b = any(rng);
        const std::int64_t g = std::gcd(std::int64_t{a}, std::int64_t{b});
        const std::int32_t c = static_cast<std::int32_t>(g * (any(rng) / std::max<std::int64_t>(g, 1) / 2));
        if (a != 0 && b != 0)
            expectSolvesEverything(a, b, c);
    }
    // Product past 32 bits with a common factor not dividing C.
    EXPECT_EQ(solveDiophantine(65536 * 3, 65536 * 5, 65536 * 7 + 1).kind, Kind::NoSolution);
}

TEST(Diophantine, ZeroCoefficients)
{
    EXPECT_EQ(solveDiophantine(7, 0, 3).kind, Kind::NoSolution);
    EXPECT_EQ(solveDiophantine(0, 7, 3).kind, Kind::NoSolution);
    expectSolvesEverything(7, 0, 21);
    expectSolvesEverything(7, 0, -21);
    expectSolvesEverything(0, -7, 21);
    expectSolvesEverything(7, 0, 0);
    expectSolvesEverything(INT32_MIN, 0, INT32_MIN);
    EXPECT_EQ(solveDiophantine(7, 0, 21).xLine, QStringLiteral("x = 3 + 0k"));
    EXPECT_EQ(solveDiophantine(0, 7, -21).yLine, QStringLiteral("y = -3 + 0k"));
    EXPECT_EQ(solveDiophantine(0, 0, 5).kind, Kind::NoSolution);
    const DiophantineSolution all = solveDiophantine(0, 0, 0);
    EXPECT_EQ(all.kind, Kind::EveryPair);
    EXPECT_EQ(all.xLine, QStringLiteral("x = any integer"));
    EXPECT_EQ(all.yLine, QStringLiteral("y = any integer"));
}

TEST(Diophantine, ConvertsTheBoxesInOrder)
{
    try {
        solveDiophantine(QStringLiteral("5"), QStringLiteral(""), QStringLiteral("z"));
        FAIL();
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'' is not a valid integer value"));
    }
    EXPECT_THROW(solveDiophantine(QStringLiteral("2147483648"), QStringLiteral("1"), QStringLiteral("1")), ConvertError);
    EXPECT_EQ(solveDiophantine(QStringLiteral("5"), QStringLiteral("-3"), QStringLiteral("1")).yLine,
              QStringLiteral("y = -2 - -5k"));
    // The boxes take any text, and a stray blank is not part of a number.
    try {
        solveDiophantine(QStringLiteral("5"), QStringLiteral("-3"), QStringLiteral(" 1"));
        FAIL() << "blank accepted";
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("' 1' is not a valid integer value"));
    }
}
