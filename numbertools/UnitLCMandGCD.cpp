#include "numbertools/UnitLCMandGCD.h"

#include "ui/Errors.h"

#include <limits>

namespace tv {
namespace {

// Magnitude without signed overflow: -2^63 becomes 2^63.
std::uint64_t magnitude(std::int64_t v)
{
    return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

std::uint64_t euclid(std::uint64_t a, std::uint64_t b)
{
    while (b != 0) {
        const std::uint64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

} // namespace

std::int64_t GCD64(std::int64_t a, std::int64_t b)
{
    if (a == 0 || b == 0)
        return 1;
    const std::uint64_t g = euclid(magnitude(a), magnitude(b));
    if (g > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        throw MathError(QStringLiteral("Integer overflow"));
    return static_cast<std::int64_t>(g);
}

std::int32_t GCD(std::int32_t a, std::int32_t b)
{
    const std::int64_t g = GCD64(a, b);
    if (g > std::numeric_limits<std::int32_t>::max())
        throw MathError(QStringLiteral("Integer overflow"));
    return static_cast<std::int32_t>(g);
}

} // namespace tv
