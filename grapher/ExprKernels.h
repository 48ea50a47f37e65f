#pragma once
// 80-bit elementary functions for the expression parser: the argument is
// reduced exactly (against enough bits of 2/pi for the whole 80-bit range)
// and the reduced argument goes through short polynomials, so the results
// stay within about one unit in the last place everywhere and cost far less
// than the C library's extended-precision routines.
namespace tv::kernels {

long double sin(long double x);
long double cos(long double x);
// sin x / cos x worked out as one quotient; *cosineZero tells whether cos
// would give 0 for x.
long double tan(long double x, bool* cosineZero = nullptr);
// cos x / sin x worked out as one quotient.
long double cot(long double x);
long double exp(long double x);
long double sinh(long double x);
long double cosh(long double x);

// x reduced by the nearest multiple n of pi/2: x - n*pi/2 = hi + lo with
// |hi| <= pi/4 (a little more near the limit); returns n mod 4.
int reduceHalfPi(long double x, long double& hi, long double& lo);

} // namespace tv::kernels
