#pragma once
// The body-mass-index rating: plain C++ over QString.
#include <cstdint>
#include <optional>

#include <QString>

namespace tv {

// 703·W / H² with H = 12·feet + inches, rounded to the nearest whole number
// (halves to the even neighbour). Computed in 80-bit reals from exact
// 64-bit products, so no input wraps. A zero height fails with "Floating
// point division by zero" ("Invalid floating point operation" when the
// weight is 0 too).
std::int64_t bodyMassIndex(std::int32_t weightPounds, std::int32_t heightFeet, std::int32_t heightInches);

// The band's text; nothing for 0 or less and above 400.
std::optional<QString> bodyMassRating(std::int64_t index);

} // namespace tv
