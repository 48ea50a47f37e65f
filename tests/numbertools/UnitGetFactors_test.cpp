#include "numbertools/UnitGetFactors.h"

#include <gtest/gtest.h>

#include <vector>

using tv::APIntFactorArray;
using tv::GetFactors;

namespace {

APIntFactorArray factorsOf(std::int32_t n)
{
    APIntFactorArray f{42, 43}; // stale content must not survive
    GetFactors(n, f);
    return f;
}

// The search over every d from 2 to n, without a slot limit.
APIntFactorArray slowFactors(std::int32_t n)
{
    APIntFactorArray f{0};
    for (std::int32_t d = 2; d <= n; ++d)
        if (n % d == 0)
            f.push_back(d);
    f[0] = static_cast<std::int32_t>(f.size() - 1);
    return f;
}

} // namespace

TEST(GetFactors, SmallAndDegenerateNumbers)
{
    EXPECT_EQ(factorsOf(12), (APIntFactorArray{5, 2, 3, 4, 6, 12}));
    EXPECT_EQ(factorsOf(2), (APIntFactorArray{1, 2}));
    EXPECT_EQ(factorsOf(49), (APIntFactorArray{2, 7, 49})); // the root once
    EXPECT_EQ(factorsOf(1), (APIntFactorArray{0}));
    EXPECT_EQ(factorsOf(0), (APIntFactorArray{0}));
    EXPECT_EQ(factorsOf(-12), (APIntFactorArray{0}));
}

TEST(GetFactors, PrimesListOnlyThemselves)
{
    EXPECT_EQ(factorsOf(10007), (APIntFactorArray{1, 10007}));
    EXPECT_EQ(factorsOf(2147483647), (APIntFactorArray{1, 2147483647}));
}

TEST(GetFactors, ListsMoreThan499Divisors)
{
    // 14,414,400 is the smallest number with 504 divisors (503 besides 1).
    const auto f = factorsOf(14414400);
    ASSERT_EQ(f[0], 503);
    ASSERT_EQ(f.size(), 504u);
    EXPECT_EQ(f, slowFactors(14414400));

    const auto g = factorsOf(735134400);
    ASSERT_EQ(g[0], 1343);
    EXPECT_EQ(g[1], 2);
    EXPECT_EQ(g.back(), 735134400);
    for (std::size_t i = 1; i < g.size(); ++i) {
        EXPECT_EQ(735134400 % g[i], 0);
        if (i > 1) {
            EXPECT_LT(g[i - 1], g[i]);
        }
    }
}

TEST(GetFactors, AgreesWithTheFullSearchUpTo3000)
{
    for (std::int32_t n = -5; n <= 3000; ++n)
        ASSERT_EQ(factorsOf(n), slowFactors(n)) << n;
}

TEST(GetFactors, AgreesWithADivisorSieveUpTo100000)
{
    const int limit = 100000;
    std::vector<APIntFactorArray> lists(limit + 1, APIntFactorArray{0});
    for (int d = 2; d <= limit; ++d)
        for (int m = d; m <= limit; m += d)
            lists[m].push_back(d);
    for (int n = 0; n <= limit; ++n) {
        lists[n][0] = static_cast<std::int32_t>(lists[n].size() - 1);
        ASSERT_EQ(factorsOf(n), lists[n]) << n;
    }
}
