#include "numbertools/BodyMassIndex.h"

#include "ui/Errors.h"

#include <cmath>

namespace tv {

std::int64_t bodyMassIndex(std::int32_t weightPounds, std::int32_t heightFeet, std::int32_t heightInches)
{
    const std::int64_t height = std::int64_t{12} * heightFeet + heightInches;
    const long double top = 703.0L * weightPounds;
    // |height| < 2^35, so its square is exact in the 64-bit mantissa up to 2^64
    // and correctly rounded beyond.
    const long double bottom = static_cast<long double>(height) * static_cast<long double>(height);
    if (bottom == 0) {
        if (top == 0)
            throw MathError(QStringLiteral("Invalid floating point operation"));
        throw MathError(QStringLiteral("Floating point division by zero"));
    }
    // The default rounding mode rounds halves to the even neighbour.
    return std::llrint(top / bottom);
}

std::optional<QString> bodyMassRating(std::int64_t index)
{
    if (index >= 1 && index <= 18)
        return QStringLiteral("You are in the Underweight range");
    if (index >= 19 && index <= 25)
        return QStringLiteral("Your weight and height are in the Desirable range");
    if (index >= 26 && index <= 29)
        return QStringLiteral("You are prone to health risks");
    if (index >= 30 && index <= 400)
        return QStringLiteral("Obese");
    return std::nullopt;
}

} // namespace tv
