#include "numbertools/UnitLCMandGCD.h"

#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <numeric>
#include <random>

using tv::GCD;
using tv::GCD64;

namespace {

// Counting up from |a| to the first common multiple, then product / lcm,
// valid while the product fits in 32 bits.
std::int32_t slowGCD(std::int32_t a, std::int32_t b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    const std::int32_t p = a * b;
    for (std::int32_t m = a; m <= p; ++m) {
        if (a == 0 || b == 0)
            return 1;
        if (m % a == 0 && m % b == 0)
            return p / m;
    }
    return 1;
}

} // namespace

TEST(GCD, KnownValuesAndConventions)
{
    EXPECT_EQ(GCD(12, 18), 6);
    EXPECT_EQ(GCD(-12, 18), 6);
    EXPECT_EQ(GCD(12, -18), 6);
    EXPECT_EQ(GCD(-12, -18), 6);
    EXPECT_EQ(GCD(7, 0), 1);
    EXPECT_EQ(GCD(0, 7), 1);
    EXPECT_EQ(GCD(0, 0), 1);
    EXPECT_EQ(GCD(5, 5), 5);
    EXPECT_EQ(GCD(1, 9), 1);
    EXPECT_EQ(GCD(18, 12), 6);
}

TEST(GCD, AgreesWithTheCommonMultipleSearch)
{
    for (std::int32_t a = -150; a <= 150; ++a)
        for (std::int32_t b = -150; b <= 150; ++b)
            ASSERT_EQ(GCD(a, b), slowGCD(a, b)) << a << ", " << b;
}

TEST(GCD, CorrectWhereTheProductWouldOverflow)
{
    EXPECT_EQ(GCD(2147483647, 2147483646), 1);
    EXPECT_EQ(GCD(65536 * 3, 65536 * 5), 65536);
    EXPECT_EQ(GCD(2147483646, 1073741823), 1073741823);
    EXPECT_EQ(GCD(std::numeric_limits<std::int32_t>::min(), 6), 2);
    EXPECT_EQ(GCD(std::numeric_limits<std::int32_t>::min(), 0), 1);
    EXPECT_EQ(GCD(std::numeric_limits<std::int32_t>::min(), 1 << 30), 1 << 30);
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::int32_t> any(1, std::numeric_limits<std::int32_t>::max());
    for (int i = 0; i < 20000; ++i) {
        const std::int32_t a = any(rng), b = any(rng);
        ASSERT_EQ(GCD(a, b), std::gcd(a, b)) << a << ", " << b;
    }
}

TEST(GCD, RefusesADivisorThatDoesNotFit)
{
    const auto lo = std::numeric_limits<std::int32_t>::min();
    try {
        GCD(lo, lo);
        FAIL() << "2^31 reported as a 32-bit value";
    } catch (const tv::MathError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Integer overflow"));
    }
    const auto lo64 = std::numeric_limits<std::int64_t>::min();
    EXPECT_THROW(GCD64(lo64, lo64), tv::MathError);
    EXPECT_EQ(GCD64(lo, lo), std::int64_t{1} << 31);
}

TEST(GCD64, WideValues)
{
    EXPECT_EQ(GCD64(0, 5), 1);
    EXPECT_EQ(GCD64(-4611686018427387904LL, 6), 2);
    EXPECT_EQ(GCD64(600851475143LL * 7, 600851475143LL * 11), 600851475143LL);
    EXPECT_EQ(GCD64(9223372036854775807LL, 9223372036854775806LL), 1);
}
