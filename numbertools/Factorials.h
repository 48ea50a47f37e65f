#pragma once
// The factorial table (n! for n = 1..20 in 64 bits) and exact large
// factorials with grouped digits. Plain C++ over QString; no widgets.
#include <cstdint>
#include <vector>

#include <QString>

namespace tv {

struct FactorialRow {
    int n;
    std::int64_t value; // n!
};
// n = 1..20; 20! is the largest factorial a signed 64-bit integer holds.
std::vector<FactorialRow> factorialTable();

struct LargeFactorial {
    QString digits;     // most significant first, groups of three: "3, 628, 800"
    int digitCount;     // 7 for 10!
    QString lengthLine; // "10! is 7 digits long."
};
// n! exactly (1 for n < 2), every trailing zero kept.
LargeFactorial largeFactorial(std::int32_t n);

} // namespace tv
