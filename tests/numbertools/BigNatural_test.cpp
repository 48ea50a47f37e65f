#include "numbertools/BigNatural.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using tv::BigNatural;
using tv::groupDigits;

namespace {

// One decimal digit per byte, least significant first, multiplied digit by
// digit by the decimal digits of k (schoolbook).
struct DigitArray {
    std::vector<std::uint8_t> d{1};

    void multiply(unsigned k)
    {
        std::vector<std::uint8_t> b;
        for (; k != 0; k /= 10)
            b.push_back(static_cast<std::uint8_t>(k % 10));
        std::vector<unsigned> r(d.size() + b.size() + 1, 0);
        for (std::size_t j = 0; j < b.size(); ++j)
            for (std::size_t i = 0; i < d.size(); ++i)
                r[i + j] += unsigned{b[j]} * d[i];
        d.clear();
        unsigned carry = 0;
        for (unsigned v : r) {
            v += carry;
            d.push_back(static_cast<std::uint8_t>(v % 10));
            carry = v / 10;
        }
        while (d.size() > 1 && d.back() == 0)
            d.pop_back();
    }
    std::string decimal() const
    {
        std::string s;
        for (auto it = d.rbegin(); it != d.rend(); ++it)
            s += static_cast<char>('0' + *it);
        return s;
    }
};

} // namespace

TEST(BigNatural, SmallValues)
{
    EXPECT_EQ(BigNatural().toDecimal(), "0");
    EXPECT_TRUE(BigNatural().isZero());
    EXPECT_EQ(BigNatural().digitCount(), 1);
    EXPECT_EQ(BigNatural(7).toDecimal(), "7");
    EXPECT_EQ(BigNatural(1000000000).toDecimal(), "1000000000");
    EXPECT_EQ(BigNatural(1000000000).digitCount(), 10);
    EXPECT_EQ(BigNatural(999999999).digitCount(), 9);
    EXPECT_EQ(BigNatural(UINT64_MAX).toDecimal(), "18446744073709551615");
    EXPECT_EQ(BigNatural(12).multiplyBy(0).toDecimal(), "0");
    EXPECT_EQ(BigNatural::factorial(0).toDecimal(), "1");
    EXPECT_EQ(BigNatural::factorial(1).toDecimal(), "1");
    EXPECT_EQ(BigNatural::powerOfTwo(0).toDecimal(), "1");
    EXPECT_EQ(BigNatural::powerOfTwo(64).toDecimal(), "18446744073709551616");
}

TEST(BigNatural, FactorialsMatchTheDigitArrayUpTo999)
{
    DigitArray ref;
    BigNatural big(1);
    for (unsigned k = 2; k <= 999; ++k) {
        ref.multiply(k);
        big.multiplyBy(k);
        ASSERT_EQ(big.toDecimal(), ref.decimal()) << k << "!";
        ASSERT_EQ(big.digitCount(), static_cast<int>(ref.d.size())) << k << "!";
    }
    EXPECT_EQ(BigNatural::factorial(999), big);
    const std::string text = big.toDecimal();
    EXPECT_EQ(text.size(), 2565u);
    EXPECT_EQ(text.size() - 1 - text.find_last_not_of('0'), 246u); // trailing zeros kept
    EXPECT_EQ(text.substr(0, 6), "402387");
}

TEST(BigNatural, PowersOfTwoMatchRepeatedDoubling)
{
    DigitArray ref;
    for (unsigned n = 1; n <= 400; ++n) {
        ref.multiply(2);
        ASSERT_EQ(BigNatural::powerOfTwo(n).toDecimal(), ref.decimal()) << "2^" << n;
    }
    EXPECT_EQ(BigNatural::powerOfTwo(200).digitCount(), 61);
}

TEST(BigNatural, AdditionCarriesAcrossLimbs)
{
    EXPECT_EQ(BigNatural(999999999).add(BigNatural(1)).toDecimal(), "1000000000");
    EXPECT_EQ(BigNatural(1).add(BigNatural(UINT64_MAX)).toDecimal(), "18446744073709551616");
    EXPECT_EQ(BigNatural(5).add(BigNatural()).toDecimal(), "5");
    EXPECT_EQ(BigNatural().add(BigNatural(5)).toDecimal(), "5");
    for (unsigned n = 0; n < 300; n += 7) {
        BigNatural twice = BigNatural::powerOfTwo(n);
        twice.add(BigNatural::powerOfTwo(n));
        ASSERT_EQ(twice, BigNatural::powerOfTwo(n + 1)) << n;
    }
    // Fibonacci numbers: F(100) = 354224848179261915075.
    BigNatural a, b(1);
    for (int i = 0; i < 100; ++i) {
        BigNatural next = a;
        next.add(b);
        a = b;
        b = next;
    }
    EXPECT_EQ(a.toDecimal(), "354224848179261915075");
}

TEST(GroupDigits, GroupsOfThreeFromTheRight)
{
    EXPECT_EQ(groupDigits("1", ", "), "1");
    EXPECT_EQ(groupDigits("12", ", "), "12");
    EXPECT_EQ(groupDigits("123", ", "), "123");
    EXPECT_EQ(groupDigits("1234", ","), "1,234");
    EXPECT_EQ(groupDigits("3628800", ", "), "3, 628, 800");
    EXPECT_EQ(groupDigits("123456", ", "), "123, 456");
    EXPECT_EQ(groupDigits("", ", "), "");
}
