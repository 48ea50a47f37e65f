// The function kernels: a reduced accuracy run (the full one is the
// grapher_accuracy tool), the reduction itself, and the values at the edges
// of the range.
#include "grapher/ExprKernels.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "bench/grapher/KernelAccuracy.h"

using namespace tv;

TEST(Kernels, WithinOneAndAHalfUnitsEverywhere)
{
    for (const auto& f : accuracy::functions()) {
        const auto r = accuracy::measure(f, 20000, 7);
        EXPECT_EQ(r.points, 20000) << r.function;
        EXPECT_LE(r.worst, 1.5) << r.function << " at " << double(r.worstAt);
    }
}

// The reduced argument of the long doubles nearest to k*pi/2 is tiny, and
// its relative error is what decides sin and cos there.
TEST(Kernels, ReductionNextToMultiplesOfHalfPi)
{
    const __float128 halfPi = strtoflt128("1.57079632679489661923132169163975144209858469968755291", nullptr);
    struct Case {
        long double k;
    } cases[] = {{1}, {2}, {3}, {4}, {1000}, {5215}, {5216}, {1e6L}, {123456789}, {1e15L}, {4e18L}};
    for (const Case& c : cases) {
        const __float128 exact = halfPi * (__float128)c.k;
        const long double x = (long double)exact;
        long double hi = 0, lo = 0;
        const int n = kernels::reduceHalfPi(x, hi, lo);
        const __float128 r = (__float128)x - exact;  // good to about 2^-113 relative of x
        EXPECT_EQ(n, int(std::fmod(c.k, 4.0L))) << double(c.k);
        // |r| is about 2^-64 x; the 113-bit reference leaves it ~49 good bits.
        EXPECT_LT(double(fabsq(((__float128)hi + lo - r) / r)), 1e-12) << double(c.k);
    }
}

TEST(Kernels, EdgesOfTheRange)
{
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_TRUE(std::isnan(kernels::sin(inf)));
    EXPECT_TRUE(std::isnan(kernels::cos(-inf)));
    EXPECT_TRUE(std::isnan(kernels::tan(inf)));
    EXPECT_TRUE(std::isnan(kernels::sin(std::nanl(""))));
    EXPECT_EQ(kernels::exp(inf), inf);
    EXPECT_EQ(kernels::exp(-inf), 0);
    EXPECT_EQ(kernels::exp(11357), inf);   // past the largest real
    EXPECT_EQ(kernels::exp(-12000), 0);
    EXPECT_GT(kernels::exp(-11390), 0);    // subnormal, not flushed
    EXPECT_LT(kernels::exp(-11390), 1e-4940L);
    EXPECT_EQ(kernels::exp(-11400), 0);    // below the smallest subnormal
    EXPECT_TRUE(std::isfinite(kernels::sinh(11356.6L)));  // e^x/2 still fits
    EXPECT_EQ(kernels::sinh(-11357.3L), -inf);
    EXPECT_EQ(kernels::cosh(-11357.3L), inf);
    EXPECT_EQ(kernels::exp(0), 1);
    EXPECT_EQ(kernels::cos(0), 1);
    EXPECT_EQ(kernels::sin(-0.0L), 0);
    EXPECT_TRUE(std::signbit(kernels::sin(-0.0L)));
    EXPECT_EQ(kernels::sin(1e-4000L), 1e-4000L);
    EXPECT_EQ(kernels::tan(1e-30L), 1e-30L);
    EXPECT_TRUE(std::signbit(kernels::sinh(-0.0L)));
    EXPECT_TRUE(std::signbit(kernels::tan(-0.0L)));
}
