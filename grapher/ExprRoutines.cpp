#include "grapher/ExprRoutines.h"

#include <cmath>
#include <cstdint>

#include <QRandomGenerator>

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

void opMod(TExprOperation& op)
{
    const std::int64_t b = truncToInt64(a2(op));
    if (b == 0) {
        op.error = 1;
        return;
    }
    const std::int64_t a = truncToInt64(a1(op));
    put(op, static_cast<long double>(b == -1 ? 0 : a % b));
}

void opDiv(TExprOperation& op)
{
    const std::int64_t b = truncToInt64(a2(op));
    if (b == 0) {
        op.error = 1;
        return;
    }
    const std::int64_t a = truncToInt64(a1(op));
    // -(-2^63) does not fit 64 bits but is exact as a real.
    put(op, b == -1 ? -static_cast<long double>(a) : static_cast<long double>(a / b));
}

void opIntPower(TExprOperation& op) { put(op, wholePower(a1(op), std::trunc(a2(op)))); }

void opRealPower(TExprOperation& op)
{
    const long double a = a1(op);
    const long double b = a2(op);
    if (a <= 0 && (!isWhole(b) || b > kMaxInt)) {
        op.error = 1;
        return;
    }
    long double r;
    if (b == 0)
        r = 1;
    else if (a == 0 && b > 0)
        r = 0;
    else if (isWhole(b) && std::fabs(b) <= kMaxInt)
        r = wholePower(a, b);
    else {
        // Only a whole b below -2147483647 gets here with a <= 0: the
        // logarithm of a non-positive number.
        if (a == 0)
            raiseZeroDivide();
        if (a < 0)
            raiseInvalid();
        r = std::pow(a, b);
    }
    put(op, r);
}

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

void fnTan(TExprOperation& op)
{
    const long double a = a1(op);
    const long double c = std::cos(a);
    if (c == 0) {
        op.error = 1;
        return;
    }
    put(op, std::sin(a) / c);
}
void fnSin(TExprOperation& op) { put(op, std::sin(a1(op))); }
void fnCos(TExprOperation& op) { put(op, std::cos(a1(op))); }
void fnSinh(TExprOperation& op) { put(op, std::sinh(a1(op))); }
void fnCosh(TExprOperation& op) { put(op, std::cosh(a1(op))); }
void fnArcTan(TExprOperation& op) { put(op, std::atan(a1(op))); }

void fnCoTan(TExprOperation& op)
{
    const long double a = a1(op);
    if (a == 0) {
        op.error = 1;
        return;
    }
    put(op, 1 / (std::sin(a) / std::cos(a)));
}

// Angle of the point (u, v), u the first and v the second operand.
void angle(TExprOperation& op, long double u, long double v)
{
    if (u > 0)
        put(op, std::atan(v / u));
    else if (u < 0)
        put(op, std::atan(v / u) + kPi);
    else if (v > 0)
        put(op, kPi / 2);
    else if (v < 0)
        put(op, -kPi / 2);
    else
        op.error = 1;  // the origin has no angle
}
// With one argument the point is (u, 0) on the real axis.
void fnArg1(TExprOperation& op) { angle(op, a1(op), 0); }
void fnArg2(TExprOperation& op) { angle(op, a1(op), a2(op)); }

void fnExp(TExprOperation& op) { put(op, std::exp(a1(op))); }

template <long double (*Log)(long double)>
void logarithm(TExprOperation& op)
{
    const long double a = a1(op);
    if (a <= 0) {
        op.error = 1;
        return;
    }
    put(op, Log(a));
}
long double lnOf(long double a) { return std::log(a); }
long double log10Of(long double a) { return std::log10(a); }
long double log2Of(long double a) { return std::log2(a); }

void fnSqrt(TExprOperation& op)
{
    const long double a = a1(op);
    if (a < 0) {
        op.error = 1;
        return;
    }
    put(op, std::sqrt(a));
}
void fnAbs(TExprOperation& op) { put(op, std::fabs(a1(op))); }
void fnTrunc(TExprOperation& op) { put(op, std::trunc(a1(op))); }
void fnInt(TExprOperation& op) { put(op, std::trunc(a1(op))); }
void fnCeil(TExprOperation& op) { put(op, std::ceil(a1(op))); }
void fnFloor(TExprOperation& op) { put(op, std::floor(a1(op))); }
void fnHeav(TExprOperation& op) { put(op, a1(op) >= 0 ? 1 : 0); }

void fnSign(TExprOperation& op)
{
    const long double a = a1(op);
    put(op, a > 0 ? 1 : (a < 0 ? -1 : 0));
}
void fnZero(TExprOperation& op) { put(op, a1(op) == 0 ? 0 : 1); }

void fnPh(TExprOperation& op)
{
    const long double p = a1(op) / 0.6366197723675813431L;
    put(op, (p - std::nearbyint(p)) * 6.283185307179586477L);
}
void fnRnd(TExprOperation& op) { put(op, std::trunc(a1(op)) * random01()); }
void fnRandom(TExprOperation& op) { put(op, random01()); }

// ---- Two-argument functions ------------------------------------------------------

void fnMax(TExprOperation& op)
{
    const long double a = a1(op);
    const long double b = a2(op);
    put(op, a > b ? a : b);
}
void fnMin(TExprOperation& op)
{
    const long double a = a1(op);
    const long double b = a2(op);
    put(op, a < b ? a : b);
}

void fnLogN(TExprOperation& op)
{
    const long double a = a1(op);
    const long double b = a2(op);
    if (a <= 0 || b <= 0) {
        op.error = 1;
        return;
    }
    const long double base = std::log2(a);
    if (base == 0) {  // base 1: no logarithm
        op.error = 1;
        return;
    }
    put(op, std::log2(b) / base);
}

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

void registerBuiltinFunctions(TCustomExprParser& parser)
{
    parser.addFunction1(QStringLiteral("TAN"), fnTan);
    parser.addFunction1(QStringLiteral("SIN"), fnSin);
    parser.addFunction1(QStringLiteral("COS"), fnCos);
    parser.addFunction1(QStringLiteral("SINH"), fnSinh);
    parser.addFunction1(QStringLiteral("COSH"), fnCosh);
    parser.addFunction1(QStringLiteral("ARCTAN"), fnArcTan);
    parser.addFunction1(QStringLiteral("COTAN"), fnCoTan);
    parser.addFunction1(QStringLiteral("ARG"), fnArg1);
    parser.addFunction1(QStringLiteral("EXP"), fnExp);
    parser.addFunction1(QStringLiteral("LN"), logarithm<lnOf>);
    parser.addFunction1(QStringLiteral("LOG10"), logarithm<log10Of>);
    parser.addFunction1(QStringLiteral("LOG2"), logarithm<log2Of>);
    parser.addFunction1(QStringLiteral("SQR"), opSquare);
    parser.addFunction1(QStringLiteral("SQRT"), fnSqrt);
    parser.addFunction1(QStringLiteral("ABS"), fnAbs);
    parser.addFunction1(QStringLiteral("TRUNC"), fnTrunc);
    parser.addFunction1(QStringLiteral("INT"), fnInt);
    parser.addFunction1(QStringLiteral("CEIL"), fnCeil);
    parser.addFunction1(QStringLiteral("FLOOR"), fnFloor);
    parser.addFunction1(QStringLiteral("HEAV"), fnHeav);
    parser.addFunction1(QStringLiteral("SIGN"), fnSign);
    parser.addFunction1(QStringLiteral("ZERO"), fnZero);
    parser.addFunction1(QStringLiteral("PH"), fnPh);
    parser.addFunction1(QStringLiteral("RND"), fnRnd);
    parser.addFunction1(QStringLiteral("RANDOM"), fnRandom);

    parser.addFunction2(QStringLiteral("MAX"), fnMax);
    parser.addFunction2(QStringLiteral("MIN"), fnMin);
    parser.addFunction2(QStringLiteral("POWER"), opRealPower);
    parser.addFunction2(QStringLiteral("INTPOWER"), opIntPower);
    parser.addFunction2(QStringLiteral("LOGN"), fnLogN);
    // ARG also takes the point's two coordinates.
    parser.addFunction2(QStringLiteral("ARG"), fnArg2);
}

} // namespace tv
