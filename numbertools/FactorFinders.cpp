#include "numbertools/FactorFinders.h"

#include "numbertools/UnitGetFactors.h"
#include "ui/Conversions.h"

namespace tv {

QString primeFactorsText(std::int32_t n)
{
    QString text;
    auto append = [&text](std::int64_t p) {
        if (!text.isEmpty())
            text += QStringLiteral(", ");
        text += QString::number(p);
    };
    // Dividing out each factor as it is found leaves only primes to divide;
    // once p*p exceeds the cofactor, what remains is a prime itself.
    std::int64_t c = n;
    for (std::int64_t p = 2; p * p <= c; p += (p == 2 ? 1 : 2)) {
        while (c % p == 0) {
            append(p);
            c /= p;
        }
    }
    if (c > 1)
        append(c);
    return text;
}

QString primeFactoringResult(const QString& entry)
{
    if (entry.size() > PrimeFactoringMaxLength)
        return PrimeFactoringTooBig;
    return primeFactorsText(strToInt(entry));
}

AllFactors allFactors(std::int32_t n)
{
    APIntFactorArray f;
    GetFactors(n, f);
    QString list = QStringLiteral("1");
    list.reserve(static_cast<qsizetype>(f.size()) * 12);
    for (std::size_t i = 1; i < f.size(); ++i) {
        list += QStringLiteral(", ");
        list += QString::number(f[i]);
    }
    return {list, f[0] + 1};
}

} // namespace tv
