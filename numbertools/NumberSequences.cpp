#include "numbertools/NumberSequences.h"

#include "numbertools/BigNatural.h"
#include "numbertools/unitIsPrime.h"
#include "ui/Conversions.h"
#include "ui/Errors.h"

#include <cmath>

namespace tv {
namespace {

QString decimal(UInt128 v) { return QString::fromStdString(toDecimal(v)); }

// The real quotient with the faults raised instead of infinities or NaN.
long double realQuotient(long double top, long double bottom)
{
    if (bottom == 0) {
        if (top == 0)
            throw MathError(QStringLiteral("Invalid floating point operation"));
        throw MathError(QStringLiteral("Floating point division by zero"));
    }
    return top / bottom;
}

std::int32_t checkedMod(std::int32_t x, std::int32_t m)
{
    if (m == 0)
        throw DivByZeroError();
    return x % m; // x is positive, so no quotient overflows
}

} // namespace

std::int64_t pentagonalNumber(std::int64_t n) { return n * (3 * n - 1) / 2; }

UnitFractionSplit splitUnitFraction(std::int32_t a)
{
    const std::int64_t w = a;
    return {w + 1, w + w * w};
}

SquareRootRange squareRootRange(std::int32_t minimum, std::int32_t maximum)
{
    if (maximum < minimum)
        return {};
    if (minimum < 0)
        throw MathError(QStringLiteral("Invalid floating point operation"));
    return {minimum, std::int64_t{maximum} - minimum + 1};
}

QString squareRootText(std::int64_t n)
{
    if (n < 0)
        throw MathError(QStringLiteral("Invalid floating point operation"));
    return floatToStr(std::sqrt(static_cast<long double>(n)));
}

std::vector<FibonacciRow> fibonacciRows()
{
    std::vector<FibonacciRow> rows;
    rows.reserve(FibonacciRows);
    std::int64_t a = 1, b = 1;
    for (int n = 1; n <= FibonacciRows; ++n) {
        const std::int64_t c = a + b;
        rows.push_back({n, c, static_cast<long double>(c) / static_cast<long double>(b)});
        a = b;
        b = c;
    }
    return rows;
}

void fibonacciLikeRows(std::int64_t a, std::int64_t b,
                       const std::function<void(int n, Int128 value)>& term,
                       const std::function<void(int n, long double ratio)>& ratio)
{
    // |terms| stay below F(92)·2^63 < 2^127 for any 64-bit start, so no row wraps.
    Int128 x = a, y = b;
    for (int n = 1; n <= FibonacciRows; ++n) {
        const Int128 c = x + y;
        term(n, c);
        ratio(n, realQuotient(static_cast<long double>(c), static_cast<long double>(y)));
        x = y;
        y = c;
    }
}

std::optional<std::int32_t> chineseRemainderSearch(std::int32_t r1, std::int32_t m1,
                                                   std::int32_t r2, std::int32_t m2)
{
    for (std::int32_t x = 1; x <= 1000; ++x) {
        if (checkedMod(x, m1) == r1 && checkedMod(x, m2) == r2)
            return x;
    }
    return std::nullopt;
}

QStringList powersOfTwoLines()
{
    constexpr int GroupsPerLine = 16;
    const QString indent(17, QLatin1Char(' '));
    QStringList lines{QStringLiteral(" Powers of Two"), QString()};
    for (int n = 1; n <= 200; ++n) {
        const QString digits = QString::fromStdString(BigNatural::powerOfTwo(static_cast<std::uint32_t>(n)).toDecimal());
        // Split into groups of three from the right; the leading group is
        // padded to three places.
        QStringList groups;
        const int lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
        groups << digits.left(lead).rightJustified(3);
        for (int i = lead; i < digits.size(); i += 3)
            groups << digits.mid(i, 3);
        QString line = QStringLiteral("2^%1").arg(n).leftJustified(10) + QStringLiteral("=  ");
        for (int g = 0; g < groups.size(); ++g) {
            if (g > 0 && g % GroupsPerLine == 0) {
                lines << line;
                line = indent;
            }
            line += groups[g];
            if (g + 1 < groups.size())
                line += QLatin1Char(',');
        }
        lines << line;
        lines << indent + QStringLiteral("(%1 digits)").arg(digits.size());
    }
    lines << QString();
    return lines;
}

QStringList oddPrimeLines()
{
    constexpr std::int32_t Last = 24481;
    constexpr int PerLine = 7;
    QStringList lines{QString()};
    QString line;
    int position = 0;
    for (std::int32_t p = 3; p <= Last; p += 2) {
        if (!IsPrime(p))
            continue;
        if (position % PerLine == 0) {
            if (!line.isEmpty())
                lines << line;
            line = QString::number(position + 1).rightJustified(7) + QLatin1Char(':');
        }
        line += QString::number(p).rightJustified(10);
        ++position;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

UInt128 lucasNumber(int n)
{
    UInt128 previous = 2, current = 1; // L0, L1
    if (n == 0)
        return previous;
    for (int k = 2; k <= n; ++k) {
        const UInt128 next = previous + current;
        previous = current;
        current = next;
    }
    return current;
}

QString lucasLine(int n)
{
    const UInt128 value = lucasNumber(n);
    const QString head = QStringLiteral("%1 : %2 = ").arg(n).arg(decimal(value));
    if (value < 2)
        return head + decimal(value);
    const std::vector<UInt128> factors = primeFactors128(value);
    if (factors.size() == 1)
        return head + decimal(value) + QStringLiteral("    Prime");
    QStringList parts;
    for (std::size_t i = 0; i < factors.size();) {
        std::size_t j = i;
        while (j < factors.size() && factors[j] == factors[i])
            ++j;
        QString part = decimal(factors[i]);
        if (j - i > 1)
            part += QLatin1Char('^') + QString::number(j - i);
        parts << part;
        i = j;
    }
    return head + parts.join(QLatin1Char('*'));
}

QStringList lucasLines()
{
    QStringList lines{
        QStringLiteral("The Lucas numbers are built like the Fibonacci numbers: each one is the"),
        QStringLiteral("sum of the two before it. They start with 2 and 1 instead of 0 and 1:"),
        QStringLiteral("L0 = 2, L1 = 1, and Ln = Ln-1 + Ln-2 for n > 1. So the list runs"),
        QStringLiteral("2, 1, 3, 4, 7, 11, 18, 29, ... Below each Lucas number is written as a"),
        QStringLiteral("product of primes; a power such as 3^2 means 3*3."),
        QString(),
        QStringLiteral("n  Ln  Factors of Ln  "),
        QString(),
    };
    for (int n = 1; n <= 100; ++n)
        lines << lucasLine(n);
    return lines;
}

} // namespace tv
