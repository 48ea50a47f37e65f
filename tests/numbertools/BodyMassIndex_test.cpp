#include "numbertools/BodyMassIndex.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace tv;

namespace {

using Int128 = __int128;

// 703·W / H² rounded half to even, in exact integers.
Int128 exactIndex(Int128 weight, Int128 height)
{
    Int128 num = 703 * weight, den = height * height;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const bool negative = num < 0;
    if (negative)
        num = -num;
    Int128 q = num / den;
    const Int128 twice = 2 * (num % den);
    if (twice > den || (twice == den && q % 2 == 1))
        ++q;
    return negative ? -q : q;
}

QString failure(std::int32_t w, std::int32_t feet, std::int32_t inches)
{
    try {
        bodyMassIndex(w, feet, inches);
    } catch (const Error& e) {
        return e.message();
    }
    return QStringLiteral("<no failure>");
}

} // namespace

TEST(BodyMassIndex, StartingValuesAreDesirable)
{
    EXPECT_EQ(bodyMassIndex(120, 5, 2), 22);
    EXPECT_EQ(bodyMassRating(22), QStringLiteral("Your weight and height are in the Desirable range"));
}

TEST(BodyMassIndex, EqualsExactRoundingHalfToEven)
{
    for (std::int32_t w = -5; w <= 500; ++w)
        for (std::int32_t h = 1; h <= 120; ++h)
            ASSERT_EQ(Int128{bodyMassIndex(w, 0, h)}, exactIndex(w, h)) << w << " lb " << h << " in";
}

TEST(BodyMassIndex, HalvesGoToTheEvenNeighbour)
{
    // 703·38 / 38² = 18.5, 703·71706 / 1406² = 25.5 and 703·82954 / 1406² = 29.5 exactly.
    EXPECT_EQ(bodyMassIndex(38, 0, 38), 18);
    EXPECT_EQ(bodyMassRating(18), QStringLiteral("You are in the Underweight range"));
    EXPECT_EQ(bodyMassIndex(71706, 0, 1406), 26);
    EXPECT_EQ(bodyMassRating(26), QStringLiteral("You are prone to health risks"));
    EXPECT_EQ(bodyMassIndex(82954, 0, 1406), 30);
}

TEST(BodyMassIndex, BandsAndTheirEdges)
{
    EXPECT_EQ(bodyMassRating(0), std::nullopt);
    EXPECT_EQ(bodyMassRating(-3), std::nullopt);
    EXPECT_EQ(bodyMassRating(1), QStringLiteral("You are in the Underweight range"));
    EXPECT_EQ(bodyMassRating(19), QStringLiteral("Your weight and height are in the Desirable range"));
    EXPECT_EQ(bodyMassRating(25), QStringLiteral("Your weight and height are in the Desirable range"));
    EXPECT_EQ(bodyMassRating(29), QStringLiteral("You are prone to health risks"));
    EXPECT_EQ(bodyMassRating(400), QStringLiteral("Obese"));
    EXPECT_EQ(bodyMassRating(401), std::nullopt);
    EXPECT_EQ(bodyMassIndex(0, 5, 2), 0);
}

TEST(BodyMassIndex, FeetAndInchesMakeOneHeight)
{
    EXPECT_EQ(bodyMassIndex(150, 0, 12), bodyMassIndex(150, 1, 0));
    EXPECT_EQ(bodyMassIndex(150, 5, 10), bodyMassIndex(150, 0, 70));
}

TEST(BodyMassIndex, LargeEntriesDoNotWrap)
{
    // 703·W and H² both leave 32 bits here.
    EXPECT_EQ(Int128{bodyMassIndex(2000000000, 10, 0)}, exactIndex(2000000000, 120));
    EXPECT_EQ(Int128{bodyMassIndex(2147483647, 0, 1)}, exactIndex(2147483647, 1));
    EXPECT_EQ(bodyMassIndex(100, 2147483647, 0), 0);
    EXPECT_EQ(Int128{bodyMassIndex(1000000, 0, 50000)}, exactIndex(1000000, 50000));
}

TEST(BodyMassIndex, ZeroHeightIsAFloatingPointFault)
{
    EXPECT_EQ(failure(120, 0, 0), QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(failure(0, 0, 0), QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(failure(120, 1, -12), QStringLiteral("Floating point division by zero"));
}
