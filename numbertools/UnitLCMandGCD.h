#pragma once
// Greatest common divisor, with the conventions the calculators rely on.
#include <cstdint>

namespace tv {

// Greatest common divisor of |a| and |b| (Euclid's algorithm). Signs are
// ignored and the result is 1 whenever either argument is 0, so a zero
// numerator is never reduced. The one pair whose divisor does not fit,
// (-2^31, -2^31), throws tv::MathError("Integer overflow").
std::int32_t GCD(std::int32_t a, std::int32_t b);

// The same for 64-bit arguments, for callers that widen their arithmetic;
// (-2^63, -2^63) throws tv::MathError("Integer overflow").
std::int64_t GCD64(std::int64_t a, std::int64_t b);

} // namespace tv
