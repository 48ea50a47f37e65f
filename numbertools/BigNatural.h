#pragma once
// An arbitrarily large non-negative whole number, exact in every digit.
// Serves the large factorials and the powers-of-two table. Plain C++.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

class BigNatural {
public:
    BigNatural() = default; // zero
    explicit BigNatural(std::uint64_t value);

    // n! (0! and 1! are 1) and 2^n.
    static BigNatural factorial(std::uint32_t n);
    static BigNatural powerOfTwo(std::uint32_t n);

    // *this *= factor, in place.
    BigNatural& multiplyBy(std::uint32_t factor);
    // *this += other, in place.
    BigNatural& add(const BigNatural& other);

    bool isZero() const { return limbs_.empty(); }
    // Number of decimal digits; zero has one digit.
    int digitCount() const;
    // Plain decimal, most significant digit first, no separators ("3628800").
    std::string toDecimal() const;

    friend bool operator==(const BigNatural&, const BigNatural&) = default;

private:
    // Base 10^9 limbs, least significant first, no leading zero limbs.
    static constexpr std::uint32_t Base = 1000000000u;
    std::vector<std::uint32_t> limbs_;
};

// Splits plain decimal digits into groups of three from the right, joined
// by `separator`: groupDigits("3628800", ", ") is "3, 628, 800".
std::string groupDigits(std::string_view digits, std::string_view separator);

} // namespace tv
