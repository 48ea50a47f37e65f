#pragma once
// Calculations behind the number-sequence windows: each window only reads
// its boxes, calls these and shows what they return. Plain C++ over QString.
#include "numbertools/Factor128.h"

#include <cstdint>
#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

namespace tv {

// n·(3n − 1)/2; the table runs n = 1 to PentagonalRows.
inline constexpr int PentagonalRows = 500;
std::int64_t pentagonalNumber(std::int64_t n);

// 1/a = 1/(a + 1) + 1/(a·(a + 1)): the two denominators, exact for every
// 32-bit a (64-bit arithmetic, no wrap-around).
struct UnitFractionSplit {
    std::int64_t first;  // a + 1
    std::int64_t second; // a + a·a
};
UnitFractionSplit splitUnitFraction(std::int32_t a);

// Rows of the square-root table for n = minimum .. maximum: the first n and
// how many. None when maximum < minimum. A negative first n fails at once
// with "Invalid floating point operation", leaving the table empty.
struct SquareRootRange {
    std::int64_t first = 0;
    std::int64_t count = 0;
};
SquareRootRange squareRootRange(std::int32_t minimum, std::int32_t maximum);
// √n in the platform's general format ("1.4142135623731").
QString squareRootText(std::int64_t n);

// The Fibonacci table: row n (1..90) holds the (n + 2)-th Fibonacci number
// and its ratio to its predecessor.
inline constexpr int FibonacciRows = 90;
struct FibonacciRow {
    int n;
    std::int64_t value;
    long double ratio;
};
std::vector<FibonacciRow> fibonacciRows();

// The same walk from a chosen pair, c = a + b, in 128-bit integers so every
// one of the 90 rows is exact for any 32-bit starting pair. `term` receives
// (n, c) and then `ratio` receives (n, c / b). A zero b fails at that row,
// after its term and before its ratio, with "Floating point division by
// zero" (or "Invalid floating point operation" for 0/0).
void fibonacciLikeRows(std::int64_t a, std::int64_t b,
                       const std::function<void(int n, Int128 value)>& term,
                       const std::function<void(int n, long double ratio)>& ratio);

// The first x in 1..1000 with x mod m1 = r1 and x mod m2 = r2 (remainders
// truncated, sign of the dividend), tested in that order; nothing when none
// is found. A modulus of 0, once reached, fails with "Division by zero".
std::optional<std::int32_t> chineseRemainderSearch(std::int32_t r1, std::int32_t m1,
                                                   std::int32_t r2, std::int32_t m2);

// The fixed texts, one string per line.
// " Powers of Two", an empty line, 2^1 .. 2^200 with their digit counts,
// and a closing empty line: 444 lines.
QStringList powersOfTwoLines();
// An empty line, then the odd primes 3 .. 24481 seven to a line, each line
// headed by the position of its first prime.
QStringList oddPrimeLines();
// L0 = 2, L1 = 1, Ln = Ln-1 + Ln-2.
UInt128 lucasNumber(int n);
// "6 : 18 = 2*3^2", "2 : 3 = 3    Prime", "1 : 1 = 1".
QString lucasLine(int n);
// An introduction, the column heading and the lines for L1 .. L100.
QStringList lucasLines();

} // namespace tv
