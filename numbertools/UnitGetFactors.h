#pragma once
// Divisors of a signed 32-bit integer.
#include <cstdint>
#include <vector>

namespace tv {

// Element 0 holds the count k, elements 1..k the divisors in increasing order.
using APIntFactorArray = std::vector<std::int32_t>;

// Every divisor of n from 2 up to n itself (1 is never listed); for n < 2 the
// result is the single element 0. There is no limit on the number of
// divisors, and the search only runs up to the square root of n.
void GetFactors(std::int32_t n, APIntFactorArray& factors);

} // namespace tv
