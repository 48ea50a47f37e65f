#pragma once
// The one process-wide uniform pseudo-random generator. It is seeded once at
// start-up; some windows reseed it from the clock when they open.
#include <cstdint>
#include <random>

namespace tv::rng {

std::mt19937& engine();
void seedFromClock();
void seed(std::uint32_t value);
// 0 .. n-1; 0 when n is 0.
std::uint32_t below(std::uint32_t n);
// [0, 1)
double uniform();

} // namespace tv::rng
