#pragma once
// Primality of a signed 32-bit integer.
#include <array>
#include <cstdint>

namespace tv {

// The 25 primes below 100, tried first.
inline constexpr std::array<std::int32_t, 25> SmallPrimes{
    2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};

// True when n is prime. Correct for every 32-bit value: numbers below 2
// (0, 1 and all negatives) are not prime.
bool IsPrime(std::int32_t n);

} // namespace tv
