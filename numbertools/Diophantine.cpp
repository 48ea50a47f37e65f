#include "numbertools/Diophantine.h"

#include "numbertools/UnitLCMandGCD.h"
#include "ui/Conversions.h"

#include <cstdlib>

namespace tv {

DiophantineSolution solveDiophantine(std::int32_t a, std::int32_t b, std::int32_t c)
{
    using Kind = DiophantineSolution::Kind;
    const std::int64_t A = a, B = b, C = c;
    if (A == 0 && B == 0) {
        if (C == 0)
            return {Kind::EveryPair, QStringLiteral("x = any integer"), QStringLiteral("y = any integer")};
        return {Kind::NoSolution, {}, {}};
    }
    // The true divisor: with one coefficient 0 it is the other one's
    // magnitude (GCD's convention of 1 would let 7x + 0y = 3 through).
    const std::int64_t g = A == 0 ? std::llabs(B) : B == 0 ? std::llabs(A) : GCD64(A, B);
    if (C % g != 0)
        return {Kind::NoSolution, {}, {}};

    std::int64_t r0, s0, t0, r1, s1, t1;
    if (std::llabs(A) >= std::llabs(B)) {
        r0 = A, s0 = 1, t0 = 0;
        r1 = B, s1 = 0, t1 = 1;
    } else {
        r0 = B, s0 = 0, t0 = 1;
        r1 = A, s1 = 1, t1 = 0;
    }
    // Remainders stay within the coefficients' magnitudes and the
    // coefficients within |A|/g and |B|/g, so 64 bits hold every step.
    while (r1 != 0 && r0 != 0) {
        const std::int64_t q = r0 / r1;
        std::int64_t t = r0 - q * r1;
        r0 = r1, r1 = t;
        t = s0 - q * s1;
        s0 = s1, s1 = t;
        t = t0 - q * t1;
        t0 = t1, t1 = t;
    }
    // r0 = +-g here; s0*C and t0*C stay below 2^62 in magnitude.
    const std::int64_t x0 = s0 * C / r0;
    const std::int64_t y0 = t0 * C / r0;
    DiophantineSolution s{Kind::Family, {}, {}};
    s.xLine = QStringLiteral("x = %1 + %2k").arg(x0).arg(s1);
    if (C > 0)
        s.yLine = QStringLiteral("y = %1 - %2k").arg(y0).arg(-t1);
    else
        s.yLine = QStringLiteral("y = %1 + %2k").arg(y0).arg(t1);
    return s;
}

DiophantineSolution solveDiophantine(const QString& a, const QString& b, const QString& c)
{
    const std::int32_t A = strToInt(a);
    const std::int32_t B = strToInt(b);
    const std::int32_t C = strToInt(c);
    return solveDiophantine(A, B, C);
}

} // namespace tv
