#include "numbertools/FractionCalculation.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>

using namespace tv;
using Op = FractionOperation;

namespace {

QString answer(const char* a, const char* b, Op op)
{
    return fractionAnswer(QString::fromLatin1(a), QString::fromLatin1(b), op);
}

QString failure(const char* a, const char* b, Op op)
{
    try {
        answer(a, b, op);
    } catch (const Error& e) {
        return e.message();
    }
    return QStringLiteral("<no failure>");
}

// The calculator as first written: 32-bit arithmetic and the greatest
// common divisor found by walking up to the least common multiple. Only
// used on small values, where nothing overflows.
std::int32_t slowGcd(std::int32_t a, std::int32_t b)
{
    a = std::abs(a);
    b = std::abs(b);
    const std::int32_t p = a * b;
    for (std::int32_t m = a; m <= p; ++m) {
        if (a == 0 || b == 0)
            return 1;
        if (m % a == 0 && m % b == 0)
            return p / m;
    }
    return 1;
}

std::optional<QString> slowAnswer(const MixedNumber& x, const MixedNumber& y, Op op)
{
    const std::int32_t n1 = x.whole * x.denominator + x.numerator;
    const std::int32_t n2 = y.whole * y.denominator + y.numerator;
    const std::int32_t d1 = x.denominator, d2 = y.denominator;
    std::int32_t t = 0, b = 0;
    switch (op) {
    case Op::Add: t = n1 * d2 + n2 * d1; b = d1 * d2; break;
    case Op::Subtract: t = n1 * d2 - n2 * d1; b = d1 * d2; break;
    case Op::Multiply: t = n1 * n2; b = d1 * d2; break;
    case Op::Divide: t = n1 * d2; b = d1 * n2; break;
    }
    if (b == 0)
        return std::nullopt;
    const std::int32_t g = slowGcd(t, b);
    return QStringLiteral("%1 %2/%3").arg(t / b).arg((t % b) / g).arg(b / g);
}

} // namespace

TEST(FractionOperands, RefusesOtherTextsWithTheOffendingPiece)
{
    EXPECT_EQ(failure("1 2", "0", Op::Add), QStringLiteral("'2 0' is not a valid integer value"));
    EXPECT_EQ(failure("abc", "0", Op::Add), QStringLiteral("'abc' is not a valid integer value"));
    EXPECT_EQ(failure("1/2 3", "0", Op::Add), QStringLiteral("'1/2' is not a valid integer value"));
    EXPECT_EQ(failure("1/", "0", Op::Add), QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(failure("0", "1 x/2", Op::Add), QStringLiteral("'x' is not a valid integer value"));
    EXPECT_EQ(failure("1/2 ", "0", Op::Add), QStringLiteral("'1/2' is not a valid integer value"));
    // Extra blanks stay in the piece they fall into instead of being skipped.
    EXPECT_EQ(failure("1  1/2", "0", Op::Add), QStringLiteral("' 1' is not a valid integer value"));
    EXPECT_EQ(failure("0", "1 1/2 ", Op::Add), QStringLiteral("'2 ' is not a valid integer value"));
    EXPECT_EQ(failure(" 1/2", "0", Op::Add), QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(failure("1 1/ 2", "0", Op::Add), QStringLiteral("' 2' is not a valid integer value"));
}

TEST(FractionAnswers, ShowAllThreePartsWithTheSignsAsComputed)
{
    EXPECT_EQ(answer("0", "0", Op::Subtract), QStringLiteral("0 0/1"));
    EXPECT_EQ(answer("1 1/2", "2 1/3", Op::Add), QStringLiteral("3 5/6"));
    EXPECT_EQ(answer("1/2", "1/2", Op::Add), QStringLiteral("1 0/1"));
    EXPECT_EQ(answer("1/2", "1/2", Op::Subtract), QStringLiteral("0 0/4"));
    EXPECT_EQ(answer("1/2", "3/4", Op::Subtract), QStringLiteral("0 -1/4"));
    EXPECT_EQ(answer("1/4", "7/4", Op::Subtract), QStringLiteral("-1 -1/2"));
    EXPECT_EQ(answer("", "5", Op::Add), QStringLiteral("5 0/1"));
    EXPECT_EQ(answer("3/4", "", Op::Add), QStringLiteral("0 3/4"));
    EXPECT_EQ(answer("1/2", "-1/3", Op::Divide), QStringLiteral("-1 1/-2"));
    EXPECT_EQ(answer("-1 1/2", "0", Op::Add), QStringLiteral("0 -1/2"));
    EXPECT_EQ(answer("2/3", "3/4", Op::Multiply), QStringLiteral("0 1/2"));
}

TEST(FractionAnswers, ZeroBottomIsDivisionByZero)
{
    EXPECT_EQ(failure("1/2", "0", Op::Divide), QStringLiteral("Division by zero"));
    EXPECT_EQ(failure("1/0", "1", Op::Add), QStringLiteral("Division by zero"));
    EXPECT_EQ(failure("1", "2/0", Op::Multiply), QStringLiteral("Division by zero"));
    EXPECT_EQ(failure("1/2", "1 -1/1", Op::Divide), QStringLiteral("Division by zero"));
}

TEST(FractionAnswers, EqualTheThirtyTwoBitCalculationWhereNothingOverflows)
{
    const Op ops[] = {Op::Add, Op::Subtract, Op::Multiply, Op::Divide};
    int compared = 0;
    for (int w1 = -2; w1 <= 2; ++w1)
        for (int p1 = -3; p1 <= 3; ++p1)
            for (int d1 = -4; d1 <= 4; ++d1)
                for (int w2 = -2; w2 <= 2; ++w2)
                    for (int p2 = -3; p2 <= 3; p2 += 2)
                        for (int d2 = -3; d2 <= 5; ++d2)
                            for (Op op : ops) {
                                const MixedNumber x{w1, p1, d1}, y{w2, p2, d2};
                                const std::optional<QString> expected = slowAnswer(x, y, op);
                                if (!expected) {
                                    EXPECT_THROW(calculateFraction(x, y, op), DivByZeroError);
                                    continue;
                                }
                                ASSERT_EQ(formatMixedResult(calculateFraction(x, y, op)), *expected)
                                    << w1 << " " << p1 << "/" << d1 << " op " << int(op) << " " << w2 << " "
                                    << p2 << "/" << d2;
                                ++compared;
                            }
    EXPECT_GT(compared, 50000);
}

TEST(FractionAnswers, StayExactBeyondThirtyTwoBits)
{
    // 100000/3 × 100000/7 = 10^10/21: the 32-bit top would have wrapped.
    EXPECT_EQ(answer("100000/3", "100000/7", Op::Multiply), QStringLiteral("476190476 4/21"));
    // Reduced by the true greatest common divisor even when the product of
    // top and bottom leaves 32 bits.
    EXPECT_EQ(answer("60000/1", "1/90000", Op::Multiply), QStringLiteral("0 2/3"));
    EXPECT_EQ(answer("-2147483648", "1", Op::Subtract), QStringLiteral("-2147483649 0/1"));
}

TEST(FractionAnswers, RefuseWhatDoesNotFitInsteadOfWrapping)
{
    const char* big = "2147483647 2147483647/2147483647";
    EXPECT_EQ(failure(big, big, Op::Multiply), FractionTooLargeMessage);
    const char* nearlyWhole = "2147483647 1/2147483647";
    EXPECT_EQ(failure(nearlyWhole, nearlyWhole, Op::Add), FractionTooLargeMessage);
    EXPECT_EQ(failure("1/2147483647", big, Op::Divide), FractionTooLargeMessage);
    // The same size stays exact while it fits.
    EXPECT_EQ(answer("2147483647", "2147483647", Op::Multiply), QStringLiteral("4611686014132420609 0/1"));
}
