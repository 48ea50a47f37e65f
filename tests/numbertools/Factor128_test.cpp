#include "numbertools/Factor128.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tv;

namespace {

std::vector<bool> sieve(std::uint32_t limit)
{
    std::vector<bool> prime(limit + 1, true);
    prime[0] = false;
    prime[1] = false;
    for (std::uint32_t p = 2; p * p <= limit; ++p)
        if (prime[p])
            for (std::uint32_t q = p * p; q <= limit; q += p)
                prime[q] = false;
    return prime;
}

std::vector<UInt128> trialFactors(std::uint64_t n)
{
    std::vector<UInt128> out;
    for (std::uint64_t d = 2; d * d <= n; ++d)
        while (n % d == 0) {
            out.push_back(d);
            n /= d;
        }
    if (n > 1)
        out.push_back(n);
    return out;
}

UInt128 product(const std::vector<UInt128>& factors)
{
    UInt128 p = 1;
    for (UInt128 f : factors)
        p *= f;
    return p;
}

} // namespace

TEST(Factor128, PrimalityMatchesASieve)
{
    const std::uint32_t limit = 200000;
    const std::vector<bool> prime = sieve(limit);
    for (std::uint32_t n = 0; n <= limit; ++n)
        ASSERT_EQ(isPrime128(n), prime[n]) << n;
}

TEST(Factor128, StrongPseudoprimesAreCaught)
{
    // Composite numbers that pass the test for several small bases.
    EXPECT_FALSE(isPrime128(561));
    EXPECT_FALSE(isPrime128(3215031751ull));                   // bases 2, 3, 5, 7
    EXPECT_FALSE(isPrime128(3825123056546413051ull));          // bases 2 .. 23
    EXPECT_FALSE(isPrime128(UInt128{318665} * 1000000000000000000ull + 857834031151167461ull)); // bases 2 .. 37
    EXPECT_TRUE(isPrime128(2305843009213693951ull));           // 2^61 - 1
    EXPECT_TRUE(isPrime128((UInt128{1} << 89) - 1));           // 2^89 - 1
}

TEST(Factor128, EqualsTrialDivisionUpToAHundredThousand)
{
    for (std::uint64_t n = 0; n <= 100000; ++n)
        ASSERT_EQ(primeFactors128(n), trialFactors(n)) << static_cast<unsigned long long>(n);
}

TEST(Factor128, SplitsLargeSemiprimesAndPowers)
{
    const UInt128 m31 = 2147483647u, m61 = 2305843009213693951ull;
    EXPECT_EQ(primeFactors128(m31 * m61), (std::vector<UInt128>{m31, m61}));
    const UInt128 p = 1000003, q = 10000000019ull;
    EXPECT_EQ(primeFactors128(p * p * q), (std::vector<UInt128>{p, p, q}));
    EXPECT_EQ(primeFactors128(q * q), (std::vector<UInt128>{q, q}));
    const UInt128 twoTo95 = UInt128{1} << 95;
    EXPECT_EQ(primeFactors128(twoTo95), std::vector<UInt128>(95, 2));
    EXPECT_THROW(primeFactors128(UInt128{1} << 96), std::out_of_range);
    // Every factor returned is prime and they multiply back.
    for (std::uint64_t n = 9999999900000ull; n < 9999999900200ull; ++n) {
        const std::vector<UInt128> f = primeFactors128(n);
        EXPECT_EQ(product(f), UInt128{n});
        for (UInt128 x : f)
            EXPECT_TRUE(isPrime128(x));
    }
}

TEST(Factor128, DecimalText)
{
    EXPECT_EQ(toDecimal(UInt128{0}), "0");
    EXPECT_EQ(toDecimal(Int128{-45}), "-45");
    EXPECT_EQ(toDecimal(~UInt128{0}), "340282366920938463463374607431768211455");
    EXPECT_EQ(toDecimal(static_cast<Int128>(UInt128{1} << 127)), "-170141183460469231731687303715884105728");
}
