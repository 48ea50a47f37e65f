#include "grapher/ExprRoutines.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include <QRandomGenerator>

#include "grapher/ExprKernels.h"

namespace tv {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
constexpr long double kMaxInt = 2147483647.0L;
constexpr long double kTwoTo63 = 9223372036854775808.0L;
constexpr long double kTwoTo64 = 18446744073709551616.0L;

// Faults that have no CalcError condition end the evaluation the way the
// platform reports them, never as an infinity or NaN in the result.
[[noreturn, gnu::noinline, gnu::cold]] void raiseInvalid()
{
    throw MathError(QStringLiteral("Invalid floating point operation"));
}
[[noreturn, gnu::noinline, gnu::cold]] void raiseOverflow()
{
    throw MathError(QStringLiteral("Floating point overflow"));
}
[[noreturn, gnu::noinline, gnu::cold]] void raiseZeroDivide()
{
    throw MathError(QStringLiteral("Floating point division by zero"));
}
inline void put(TExprOperation& op, long double v)
{
    if (!std::isfinite(v)) [[unlikely]]
        raiseFloatFault(v);
    *op.result = v;
}

inline long double a1(const TExprOperation& op) { return *op.operand1; }
inline long double a2(const TExprOperation& op) { return *op.operand2; }

inline bool isWhole(long double v) { return v == std::trunc(v); }

// Truncation to a 64-bit integer; out of range is an invalid operation.
inline std::int64_t truncToInt64(long double v)
{
    const long double t = std::trunc(v);
    if (!(t >= -kTwoTo63 && t < kTwoTo63))
        raiseInvalid();
    return static_cast<std::int64_t>(t);
}

// a raised to the whole number n by repeated squaring; a negative n gives 1
// divided by the positive power.
long double wholePower(long double a, long double n)
{
    if (!std::isfinite(a) || !std::isfinite(n))
        raiseInvalid();
    const bool negative = n < 0;
    long double m = negative ? -n : n;
    long double base = a;
    long double r = 1;
    if (m < kTwoTo64) {
        for (std::uint64_t k = static_cast<std::uint64_t>(m); k != 0;) {
            if (k & 1)
                r *= base;
            k >>= 1;
            if (k != 0)
                base *= base;
        }
    } else {
        // Exponents past 64 bits: the same bits, read off a real.
        while (m >= 1) {
            const long double half = std::floor(m / 2);
            if (m != 2 * half)
                r *= base;
            m = half;
            if (m >= 1)
                base *= base;
        }
    }
    if (negative) {
        if (r == 0) {
            if (a == 0)
                raiseZeroDivide();
            raiseOverflow();  // the positive power underflowed
        }
        r = 1 / r;
    }
    return r;
}

long double random01() { return QRandomGenerator::global()->generateDouble(); }

// ---- Operators ---------------------------------------------------------------
// Each operation that can fail has a value function: the result, or a NaN
// where the record would report an error. The record's routine and the
// direct evaluation both use it, so the two cannot disagree.

// A NaN with a payload of its own, so an error condition is told apart from
// a NaN that the arithmetic makes (which is an invalid operation).
constexpr std::uint64_t kNoValueMantissa = 0xC000000000000ABCULL;
constexpr std::uint16_t kNoValueTop = 0x7FFF;
long double makeNoValue()
{
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &kNoValueMantissa, 8);
    std::memcpy(bytes + 8, &kNoValueTop, 2);
    long double v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}
const long double kNoValue = makeNoValue();
bool isNoValue(long double v)
{
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &v, sizeof v);
    std::uint64_t mantissa;
    std::uint16_t top;
    std::memcpy(&mantissa, bytes, 8);
    std::memcpy(&top, bytes + 8, 2);
    return mantissa == kNoValueMantissa && top == kNoValueTop;
}

void opNothing(TExprOperation&) {}
void opNegate(TExprOperation& op) { put(op, -a1(op)); }
void opAdd(TExprOperation& op) { put(op, a1(op) + a2(op)); }
void opSubtract(TExprOperation& op) { put(op, a1(op) - a2(op)); }
void opMultiply(TExprOperation& op) { put(op, a1(op) * a2(op)); }

void opDivide(TExprOperation& op)
{
    const long double b = a2(op);
    if (b == 0) {
        op.error = 1;
        return;
    }
    put(op, a1(op) / b);
}

// Whole-number remainder and quotient; the divisor is checked (and may
// fault) before the dividend.
long double modValue(long double x, long double y)
{
    const std::int64_t b = truncToInt64(y);
    if (b == 0)
        return kNoValue;
    const std::int64_t a = truncToInt64(x);
    return static_cast<long double>(b == -1 ? 0 : a % b);
}
long double divValue(long double x, long double y)
{
    const std::int64_t b = truncToInt64(y);
    if (b == 0)
        return kNoValue;
    const std::int64_t a = truncToInt64(x);
    // -(-2^63) does not fit 64 bits but is exact as a real.
    return b == -1 ? -static_cast<long double>(a) : static_cast<long double>(a / b);
}

void opMod(TExprOperation& op)
{
    const long double v = modValue(a1(op), a2(op));
    if (isNoValue(v)) {
        op.error = 1;
        return;
    }
    put(op, v);
}

void opDiv(TExprOperation& op)
{
    const long double v = divValue(a1(op), a2(op));
    if (isNoValue(v)) {
        op.error = 1;
        return;
    }
    put(op, v);
}

long double intPowerValue(long double a, long double b) { return wholePower(a, std::trunc(b)); }
void opIntPower(TExprOperation& op) { put(op, intPowerValue(a1(op), a2(op))); }

bool realPowerUndefined(long double a, long double b)
{
    return a <= 0 && (!isWhole(b) || b > kMaxInt);
}
long double realPowerOf(long double a, long double b)
{
    if (b == 0)
        return 1;
    if (a == 0 && b > 0)
        return 0;
    if (isWhole(b) && std::fabs(b) <= kMaxInt)
        return wholePower(a, b);
    // Only a whole b below -2147483647 gets here with a <= 0: the
    // logarithm of a non-positive number.
    if (a == 0)
        raiseZeroDivide();
    if (a < 0)
        raiseInvalid();
    return std::pow(a, b);
}
long double realPowerValue(long double a, long double b)
{
    return realPowerUndefined(a, b) ? kNoValue : realPowerOf(a, b);
}
void opRealPower(TExprOperation& op)
{
    const long double a = a1(op);
    const long double b = a2(op);
    if (realPowerUndefined(a, b)) {
        op.error = 1;
        return;
    }
    put(op, realPowerOf(a, b));
}

long double squareValue(long double a) { return a * a; }
void opSquare(TExprOperation& op)
{
    const long double a = a1(op);
    put(op, a * a);
}
void opCube(TExprOperation& op)
{
    const long double a = a1(op);
    put(op, a * a * a);
}
void opFourthPower(TExprOperation& op)
{
    const long double a = a1(op);
    const long double s = a * a;
    put(op, s * s);
}

// ---- One-argument functions ----------------------------------------------------

// Functions whose only failure is a result that is not finite.
template <long double (*F)(long double)>
void plain1(TExprOperation& op)
{
    put(op, F(a1(op)));
}
// A NaN operand comes back out of F unchanged, and one a caller stored in a
// variable may carry kNoValue's payload; F sees a plain NaN instead, so only
// its own error conditions give kNoValue.
inline long double plainNaN(long double a)
{
    return isNoValue(a) ? std::numeric_limits<long double>::quiet_NaN() : a;
}
// Functions with an error condition: F gives kNoValue there.
template <long double (*F)(long double)>
void checked1(TExprOperation& op)
{
    const long double v = F(plainNaN(a1(op)));
    if (isNoValue(v)) {
        op.error = 1;
        return;
    }
    put(op, v);
}
template <long double (*F)(long double, long double)>
void checked2(TExprOperation& op)
{
    const long double v = F(plainNaN(a1(op)), plainNaN(a2(op)));
    if (isNoValue(v)) {
        op.error = 1;
        return;
    }
    put(op, v);
}
template <long double (*F)(long double, long double)>
void plain2(TExprOperation& op)
{
    put(op, F(a1(op), a2(op)));
}

long double tanValue(long double a)
{
    bool cosineZero = false;
    const long double t = kernels::tan(a, &cosineZero);
    return cosineZero ? kNoValue : t;
}
long double sinValue(long double a) { return kernels::sin(a); }
long double cosValue(long double a) { return kernels::cos(a); }
long double sinhValue(long double a) { return kernels::sinh(a); }
long double coshValue(long double a) { return kernels::cosh(a); }
long double arcTanValue(long double a) { return std::atan(a); }
long double coTanValue(long double a) { return a == 0 ? kNoValue : kernels::cot(a); }

// Angle of the point (u, v), u the first and v the second operand; the
// origin has no angle.
long double angleValue(long double u, long double v)
{
    if (u > 0)
        return std::atan(v / u);
    if (u < 0)
        return std::atan(v / u) + kPi;
    if (v > 0)
        return kPi / 2;
    if (v < 0)
        return -kPi / 2;
    return kNoValue;
}
// With one argument the point is (u, 0) on the real axis.
long double arg1Value(long double u) { return angleValue(u, 0); }

long double expValue(long double a) { return kernels::exp(a); }
long double lnValue(long double a) { return a <= 0 ? kNoValue : std::log(a); }
long double log10Value(long double a) { return a <= 0 ? kNoValue : std::log10(a); }
long double log2Value(long double a) { return a <= 0 ? kNoValue : std::log2(a); }
long double sqrtValue(long double a) { return a < 0 ? kNoValue : std::sqrt(a); }
long double absValue(long double a) { return std::fabs(a); }
long double truncValue(long double a) { return std::trunc(a); }
long double intValue(long double a) { return std::trunc(a); }
long double ceilValue(long double a) { return std::ceil(a); }
long double floorValue(long double a) { return std::floor(a); }
long double heavValue(long double a) { return a >= 0 ? 1 : 0; }
long double signValue(long double a) { return a > 0 ? 1 : (a < 0 ? -1 : 0); }
long double zeroValue(long double a) { return a == 0 ? 0 : 1; }

long double phValue(long double a)
{
    const long double p = a / 0.6366197723675813431L;
    return (p - std::nearbyint(p)) * 6.283185307179586477L;
}
void fnRnd(TExprOperation& op) { put(op, std::trunc(a1(op)) * random01()); }
void fnRandom(TExprOperation& op) { put(op, random01()); }

// ---- Two-argument functions ------------------------------------------------------

long double maxValue(long double a, long double b) { return a > b ? a : b; }
long double minValue(long double a, long double b) { return a < b ? a : b; }

long double logNValue(long double a, long double b)
{
    if (a <= 0 || b <= 0)
        return kNoValue;
    const long double base = std::log2(a);
    if (base == 0)  // base 1: no logarithm
        return kNoValue;
    return std::log2(b) / base;
}

// The routines that are pure functions of their operands, with the value
// function the direct evaluation calls instead.
struct DirectForm {
    TExprRoutine routine;
    TExprKernel1 one;
    TExprKernel2 two;
};
const DirectForm kDirect[] = {
    {opMod, nullptr, modValue},
    {opDiv, nullptr, divValue},
    {opIntPower, nullptr, intPowerValue},
    {opRealPower, nullptr, realPowerValue},
    {checked1<tanValue>, tanValue, nullptr},
    {plain1<sinValue>, kernels::sin, nullptr},  // the same function, one call less
    {plain1<cosValue>, kernels::cos, nullptr},  // the same function, one call less
    {plain1<sinhValue>, kernels::sinh, nullptr},  // the same function, one call less
    {plain1<coshValue>, kernels::cosh, nullptr},  // the same function, one call less
    {plain1<arcTanValue>, arcTanValue, nullptr},
    {checked1<coTanValue>, coTanValue, nullptr},
    {checked1<arg1Value>, arg1Value, nullptr},
    {plain1<expValue>, kernels::exp, nullptr},  // the same function, one call less
    {checked1<lnValue>, lnValue, nullptr},
    {checked1<log10Value>, log10Value, nullptr},
    {checked1<log2Value>, log2Value, nullptr},
    {opSquare, squareValue, nullptr},
    {checked1<sqrtValue>, sqrtValue, nullptr},
    {plain1<absValue>, absValue, nullptr},
    {plain1<truncValue>, truncValue, nullptr},
    {plain1<intValue>, intValue, nullptr},
    {plain1<ceilValue>, ceilValue, nullptr},
    {plain1<floorValue>, floorValue, nullptr},
    {plain1<heavValue>, heavValue, nullptr},
    {plain1<signValue>, signValue, nullptr},
    {plain1<zeroValue>, zeroValue, nullptr},
    {plain1<phValue>, phValue, nullptr},
    {plain2<maxValue>, nullptr, maxValue},
    {plain2<minValue>, nullptr, minValue},
    {checked2<logNValue>, nullptr, logNValue},
    {checked2<angleValue>, nullptr, angleValue},
};

} // namespace

void raiseFloatFault(long double v)
{
    if (std::isnan(v))
        raiseInvalid();
    raiseOverflow();
}

TExprRoutine operatorRoutine(int kind)
{
    switch (kind) {
    case tkNegation: return opNegate;
    case tkAdd: return opAdd;
    case tkSubtract: return opSubtract;
    case tkMultiply: return opMultiply;
    case tkDivide: return opDivide;
    case tkMod: return opMod;
    case tkDiv: return opDiv;
    case tkIntPower: return opIntPower;
    case tkRealPower: return opRealPower;
    case tkSquare: return opSquare;
    case tkCube: return opCube;
    case tkFourthPower: return opFourthPower;
    default: return opNothing;
    }
}

bool directFormOf(TExprRoutine routine, TExprKernel1& one, TExprKernel2& two)
{
    for (const DirectForm& form : kDirect)
        if (form.routine == routine) {
            one = form.one;
            two = form.two;
            return true;
        }
    return false;
}

void registerBuiltinFunctions(TCustomExprParser& parser)
{
    parser.addFunction1(QStringLiteral("TAN"), checked1<tanValue>);
    parser.addFunction1(QStringLiteral("SIN"), plain1<sinValue>);
    parser.addFunction1(QStringLiteral("COS"), plain1<cosValue>);
    parser.addFunction1(QStringLiteral("SINH"), plain1<sinhValue>);
    parser.addFunction1(QStringLiteral("COSH"), plain1<coshValue>);
    parser.addFunction1(QStringLiteral("ARCTAN"), plain1<arcTanValue>);
    parser.addFunction1(QStringLiteral("COTAN"), checked1<coTanValue>);
    parser.addFunction1(QStringLiteral("ARG"), checked1<arg1Value>);
    parser.addFunction1(QStringLiteral("EXP"), plain1<expValue>);
    parser.addFunction1(QStringLiteral("LN"), checked1<lnValue>);
    parser.addFunction1(QStringLiteral("LOG10"), checked1<log10Value>);
    parser.addFunction1(QStringLiteral("LOG2"), checked1<log2Value>);
    parser.addFunction1(QStringLiteral("SQR"), opSquare);
    parser.addFunction1(QStringLiteral("SQRT"), checked1<sqrtValue>);
    parser.addFunction1(QStringLiteral("ABS"), plain1<absValue>);
    parser.addFunction1(QStringLiteral("TRUNC"), plain1<truncValue>);
    parser.addFunction1(QStringLiteral("INT"), plain1<intValue>);
    parser.addFunction1(QStringLiteral("CEIL"), plain1<ceilValue>);
    parser.addFunction1(QStringLiteral("FLOOR"), plain1<floorValue>);
    parser.addFunction1(QStringLiteral("HEAV"), plain1<heavValue>);
    parser.addFunction1(QStringLiteral("SIGN"), plain1<signValue>);
    parser.addFunction1(QStringLiteral("ZERO"), plain1<zeroValue>);
    parser.addFunction1(QStringLiteral("PH"), plain1<phValue>);
    parser.addFunction1(QStringLiteral("RND"), fnRnd);
    parser.addFunction1(QStringLiteral("RANDOM"), fnRandom);

    parser.addFunction2(QStringLiteral("MAX"), plain2<maxValue>);
    parser.addFunction2(QStringLiteral("MIN"), plain2<minValue>);
    parser.addFunction2(QStringLiteral("POWER"), opRealPower);
    parser.addFunction2(QStringLiteral("INTPOWER"), opIntPower);
    parser.addFunction2(QStringLiteral("LOGN"), checked2<logNValue>);
    // ARG also takes the point's two coordinates.
    parser.addFunction2(QStringLiteral("ARG"), checked2<angleValue>);
}

} // namespace tv
