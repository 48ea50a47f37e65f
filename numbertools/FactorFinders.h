#pragma once
// The calculations behind the Prime Factoring and Find All Factors windows.
// Plain C++ over QString; no widgets.
#include <cstdint>

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

namespace tv {

// Longest entry the prime factoring accepts, and what it says beyond that.
inline constexpr int PrimeFactoringMaxLength = 7;
inline const QString PrimeFactoringTooBig = QStringLiteral("WOW! That is just to big for me to handle!");

// The prime factors of n in non-decreasing order, repeated as often as they
// divide, joined by ", " ("2, 2, 2, 3, 3, 5" for 360). Empty for n < 2.
QString primeFactorsText(std::int32_t n);

// What the prime factoring shows for an entry: the too-big text for more
// than seven characters, otherwise the factors of its integer value.
// Throws tv::ConvertError for an entry that is not an integer.
QString primeFactoringResult(const QString& entry);

struct AllFactors {
    QString list; // "1, 2, 3, 4, 6, 12"
    int count;    // the divisors including 1
};
// Every divisor of n including 1, in increasing order; "1" and 1 for n < 2.
AllFactors allFactors(std::int32_t n);

// One number in a factor tree and the place of its box in the picture.
struct FactorTreeNode {
    std::int32_t value;
    int parent; // index of the node it was split from; -1 for the top
    QRect box;
};

// The factor tree of n (at least 2), top first: every composite splits into
// its smallest prime factor on the left and the cofactor on the right, so
// every branch ends at a prime. The boxes, all of `nodeSize`, form a
// staircase down to the right, centred in `area` and spread as far as it
// allows without touching; empty when n < 2 or the tree cannot fit.
std::vector<FactorTreeNode> factorTree(std::int32_t n, const QRect& area, const QSize& nodeSize);

} // namespace tv
