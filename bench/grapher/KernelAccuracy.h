#pragma once
// Worst error, in units in the last place of an 80-bit real, of the
// parser's function kernels against 128-bit references (libquadmath), over
// random arguments across the whole range and arguments right next to
// multiples of pi/2. Shared by the accuracy tool and its reduced test.
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <quadmath.h>

#include "grapher/ExprKernels.h"

namespace tv::accuracy {

// |got - ref| in units of the last place of an 80-bit real at ref; the unit
// never falls below the smallest subnormal step.
inline double ulpError(long double got, __float128 ref)
{
    if (std::isnan(got) || std::isinf(got))
        return isinfq(ref) && got == (long double)ref ? 0 : 1e300;
    int e = 0;
    frexpq(fabsq(ref), &e);  // |ref| = f * 2^e, f in [0.5, 1)
    int unitExponent = e - 64;
    if (unitExponent < -16445)
        unitExponent = -16445;
    const __float128 unit = ldexpq(1, unitExponent);
    return (double)fabsq(((__float128)got - ref) / unit);
}

struct Result {
    std::string function;
    double worst = 0;
    long double worstAt = 0;
    long points = 0;
};

struct Function {
    const char* name;
    long double (*ours)(long double);
    __float128 (*reference)(__float128);
    bool trigonometric;   // also sampled next to multiples of pi/2
    long double largest;  // random arguments up to this magnitude
};

inline __float128 cotReference(__float128 x) { return cosq(x) / sinq(x); }
inline __float128 tanReference(__float128 x) { return sinq(x) / cosq(x); }
inline __float128 sinReference(__float128 x) { return sinq(x); }
inline __float128 cosReference(__float128 x) { return cosq(x); }
inline __float128 expReference(__float128 x) { return expq(x); }
inline __float128 sinhReference(__float128 x) { return sinhq(x); }
inline __float128 coshReference(__float128 x) { return coshq(x); }

inline long double tanKernel(long double x) { return kernels::tan(x); }

inline std::vector<Function> functions()
{
    constexpr long double kMax = 1.1e4932L;
    return {
        {"SIN", kernels::sin, sinReference, true, kMax},
        {"COS", kernels::cos, cosReference, true, kMax},
        {"TAN", tanKernel, tanReference, true, kMax},
        {"COTAN", kernels::cot, cotReference, true, kMax},
        {"EXP", kernels::exp, expReference, false, 11355.0L},
        {"SINH", kernels::sinh, sinhReference, false, 11355.0L},
        {"COSH", kernels::cosh, coshReference, false, 11355.0L},
    };
}

// `points` arguments per function: for the trigonometric ones half are
// random across the range (magnitudes spread evenly over the exponents, and
// over [0, 8) where the plotter works) and half within a few units of
// k * pi/2 for random k; the others random with magnitudes spread over
// [2^-70, largest] and plain uniform over [-largest, largest].
inline Result measure(const Function& f, long points, std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Result result{f.name};
    auto check = [&](long double x) {
        if (!std::isfinite(x))
            return;
        const double err = ulpError(f.ours(x), f.reference((__float128)x));
        ++result.points;
        if (err > result.worst) {
            result.worst = err;
            result.worstAt = x;
        }
    };
    const int maxExponent = std::ilogb(f.largest);
    const __float128 halfPi = strtoflt128("1.57079632679489661923132169163975144209858469968755291", nullptr);
    for (long i = 0; i < points; ++i) {
        const int kind = f.trigonometric ? int(i % 4) : int(i % 3);
        long double x = 0;
        if (kind == 0) {  // magnitude spread over the exponents
            const long double mantissa = 1 + (long double)unit(random) +
                                         (long double)unit(random) * 0x1p-53L;
            const int e = -70 + int(unit(random) * (maxExponent + 70));
            x = std::ldexp(mantissa, e);
            if (x > f.largest)
                x = f.largest;
        } else if (kind == 1) {  // where the graphs are drawn
            x = (long double)unit(random) * 8 + (long double)unit(random) * 0x1p-50L;
        } else if (kind == 2 && !f.trigonometric) {
            x = ((long double)unit(random) * 2 - 1) * f.largest;
        } else {  // next to k * pi/2, k up to 2^(1 .. 62)
            const int bits = 1 + int(unit(random) * 62);
            const auto k = std::int64_t(random() >> (64 - bits));
            long double near = (long double)(halfPi * (__float128)k);
            const int step = int(random() % 9) - 4;
            for (int s = 0; s < std::abs(step); ++s)
                near = std::nextafter(near, step > 0 ? 1e4932L : -1e4932L);
            x = near;
        }
        check(random() & 1 ? -x : x);
    }
    return result;
}

} // namespace tv::accuracy
