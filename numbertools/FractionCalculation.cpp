#include "numbertools/FractionCalculation.h"

#include "numbertools/Factor128.h"
#include "numbertools/UnitLCMandGCD.h"
#include "ui/Conversions.h"
#include "ui/Errors.h"

#include <limits>

namespace tv {
namespace {

// Characters from 1-based position `from`, `count` of them; nothing when
// the count is not positive (so "1/2 3" yields an empty numerator piece).
QString piece(const QString& s, int from, int count)
{
    if (count <= 0 || from > s.size())
        return QString();
    return s.mid(from - 1, count);
}

bool fits64(Int128 v)
{
    // The least 64-bit value is left out so every magnitude fits as well.
    return v > std::numeric_limits<std::int64_t>::min() && v <= std::numeric_limits<std::int64_t>::max();
}

} // namespace

MixedNumber parseMixedNumber(const QString& text)
{
    QString s = text;
    if (s.isEmpty())
        s = QStringLiteral("0 0/1");
    if (!s.contains(QLatin1Char('/')))
        s += QStringLiteral(" 0/1");
    if (!s.contains(QLatin1Char(' ')))
        s = QStringLiteral("0 ") + s;
    const int i = s.indexOf(QLatin1Char(' ')) + 1; // 1-based
    const int j = s.indexOf(QLatin1Char('/')) + 1;
    MixedNumber m;
    m.whole = strToInt(piece(s, 1, i - 1));
    m.numerator = strToInt(piece(s, i + 1, j - i - 1));
    m.denominator = strToInt(piece(s, j + 1, s.size() - j));
    return m;
}

MixedResult calculateFraction(const MixedNumber& first, const MixedNumber& second,
                              FractionOperation operation)
{
    // Every product of 32-bit values fits 64 bits and every sum of two of
    // them 128 bits, so T and B are exact.
    const Int128 n1 = Int128{first.whole} * first.denominator + first.numerator;
    const Int128 n2 = Int128{second.whole} * second.denominator + second.numerator;
    const Int128 d1 = first.denominator, d2 = second.denominator;
    Int128 top = 0, bottom = 0;
    switch (operation) {
    case FractionOperation::Add:
        top = n1 * d2 + n2 * d1;
        bottom = d1 * d2;
        break;
    case FractionOperation::Subtract:
        top = n1 * d2 - n2 * d1;
        bottom = d1 * d2;
        break;
    case FractionOperation::Multiply:
        top = n1 * n2;
        bottom = d1 * d2;
        break;
    case FractionOperation::Divide:
        top = n1 * d2;
        bottom = d1 * n2;
        break;
    }
    if (bottom == 0)
        throw DivByZeroError();
    if (!fits64(top) || !fits64(bottom))
        throw MathError(FractionTooLargeMessage);
    const auto t = static_cast<std::int64_t>(top);
    const auto b = static_cast<std::int64_t>(bottom);
    const std::int64_t g = GCD64(t, b);
    return {t / b, (t % b) / g, b / g};
}

QString formatMixedResult(const MixedResult& r)
{
    return QStringLiteral("%1 %2/%3").arg(r.whole).arg(r.numerator).arg(r.denominator);
}

QString fractionAnswer(const QString& first, const QString& second, FractionOperation operation)
{
    const MixedNumber a = parseMixedNumber(first);
    const MixedNumber b = parseMixedNumber(second);
    return formatMixedResult(calculateFraction(a, b, operation));
}

} // namespace tv
