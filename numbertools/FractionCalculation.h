#pragma once
// Arithmetic of the fraction calculator: operands typed as "1 2/3", "4" or
// "5/6", results as a mixed number "W r/q" with r/q in lowest terms. Plain
// C++ over QString.
#include <cstdint>

#include <QString>

namespace tv {

// w p/d as typed; the value is (w·d + p)/d with the signs as typed, so
// "-1 1/2" is -1/2.
struct MixedNumber {
    std::int32_t whole = 0;
    std::int32_t numerator = 0;
    std::int32_t denominator = 1;
};

// Empty text is 0 0/1, a text without "/" a whole number, a text without a
// blank a common fraction. Pieces that are not whole numbers fail with
// "'<piece>' is not a valid integer value".
MixedNumber parseMixedNumber(const QString& text);

enum class FractionOperation { Add, Subtract, Multiply, Divide };

// W r/q: W = T div B, r = (T mod B) / g, q = B / g with g = GCD(T, B),
// divisions truncating toward zero.
struct MixedResult {
    std::int64_t whole = 0;
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};

// Computed exactly: a zero bottom fails with "Division by zero"; a top or
// bottom beyond 64 bits fails with TooLargeMessage rather than wrapping.
MixedResult calculateFraction(const MixedNumber& first, const MixedNumber& second,
                              FractionOperation operation);

// "3 5/6", "0 1/2", "1 0/1": always all three parts.
QString formatMixedResult(const MixedResult& result);

// Reads both texts (first, then second), computes and formats.
QString fractionAnswer(const QString& first, const QString& second, FractionOperation operation);

inline const QString FractionTooLargeMessage =
    QStringLiteral("The answer is too large for the Fraction Calculator to work out exactly.");

} // namespace tv
