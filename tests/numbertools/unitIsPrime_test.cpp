#include "numbertools/unitIsPrime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

using tv::IsPrime;

namespace {

// The table-then-odd-divisors search as first written (bound squared in 64
// bits so it is defined everywhere); for n >= 2 it is the definition.
bool slowIsPrime(std::int32_t n)
{
    if (n == 1)
        return false;
    for (std::int32_t p : tv::SmallPrimes)
        if (n % p == 0 && p != n)
            return false;
    std::int64_t d = 99;
    while (n > d * d) {
        d += 2;
        if (n % d == 0)
            return false;
    }
    return true;
}

// Plain trial division by every d up to the root.
bool trialIsPrime(std::int64_t n)
{
    if (n < 2)
        return false;
    for (std::int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

} // namespace

TEST(IsPrime, KnownValues)
{
    EXPECT_FALSE(IsPrime(0));
    EXPECT_FALSE(IsPrime(1));
    EXPECT_TRUE(IsPrime(2));
    EXPECT_TRUE(IsPrime(97));
    EXPECT_FALSE(IsPrime(9801));  // 99^2
    EXPECT_FALSE(IsPrime(10201)); // 101^2
    EXPECT_TRUE(IsPrime(10007));
    EXPECT_TRUE(IsPrime(9999991));
    EXPECT_FALSE(IsPrime(1048576));
    for (std::int32_t p : tv::SmallPrimes)
        EXPECT_TRUE(IsPrime(p)) << p;
}

TEST(IsPrime, NegativesAreNotPrime)
{
    EXPECT_FALSE(IsPrime(-1));
    EXPECT_FALSE(IsPrime(-2));
    EXPECT_FALSE(IsPrime(-101));
    EXPECT_FALSE(IsPrime(std::numeric_limits<std::int32_t>::min()));
}

TEST(IsPrime, AgreesWithTheTableSearchUpTo100000)
{
    for (std::int32_t n = 2; n <= 100000; ++n)
        ASSERT_EQ(IsPrime(n), slowIsPrime(n)) << n;
}

TEST(IsPrime, AgreesWithASieveUpToTwoMillion)
{
    const int limit = 2000000;
    std::vector<bool> composite(limit + 1, false);
    for (int i = 2; i * i <= limit; ++i)
        if (!composite[i])
            for (int j = i * i; j <= limit; j += i)
                composite[j] = true;
    for (int n = 2; n <= limit; ++n)
        ASSERT_EQ(IsPrime(n), !composite[n]) << n;
}

TEST(IsPrime, TopOfThe32BitRange)
{
    // Where a 32-bit square of the trial divisor would wrap.
    EXPECT_TRUE(IsPrime(2147483647));
    EXPECT_FALSE(IsPrime(46337 * 46337));         // square of the largest prime below sqrt(2^31)
    EXPECT_FALSE(IsPrime(46327 * 46337));
    for (std::int32_t n = std::numeric_limits<std::int32_t>::max() - 400; n > 0 && n <= std::numeric_limits<std::int32_t>::max() - 1; ++n)
        ASSERT_EQ(IsPrime(n), trialIsPrime(n)) << n;
}
