#pragma once
// Prime factoring of whole numbers beyond 64 bits (the Lucas numbers reach
// about 7.9e20). Plain C++; no Qt.
#include <cstdint>
#include <string>
#include <vector>

namespace tv {

using UInt128 = unsigned __int128;
using Int128 = __int128;

// Largest value the factoring accepts: products are reduced in 32-bit
// slices, so the modulus must stay below 2^96.
inline constexpr UInt128 Factor128Limit = UInt128{1} << 96;

// Deterministic below 3.3e24 (the first 13 prime bases); above that only
// overwhelmingly likely.
bool isPrime128(UInt128 n);

// Prime factors of n (2 <= n < Factor128Limit) in increasing order, a
// repeated prime repeated. 0 and 1 give an empty list. Small primes are
// divided out first; what remains is split by Pollard's rho (Brent's form).
std::vector<UInt128> primeFactors128(UInt128 n);

// Plain decimal ("-170141183460469231731687303715884105728" for the least).
std::string toDecimal(UInt128 value);
std::string toDecimal(Int128 value);

} // namespace tv
