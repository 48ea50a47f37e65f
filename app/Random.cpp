#include "app/Random.h"

#include <chrono>

namespace tv::rng {

std::mt19937& engine()
{
    static std::mt19937 generator(5489u);
    return generator;
}

void seed(std::uint32_t value) { engine().seed(value); }

void seedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) ^ (static_cast<std::uint64_t>(ticks) >> 32)));
}

std::uint32_t below(std::uint32_t n)
{
    if (n == 0)
        return 0;
    return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(engine());
}

double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine()); }

} // namespace tv::rng
