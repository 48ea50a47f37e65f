#include "numbertools/Factorials.h"

#include "numbertools/BigNatural.h"

namespace tv {

std::vector<FactorialRow> factorialTable()
{
    std::vector<FactorialRow> rows;
    std::int64_t f = 1;
    for (int n = 1; n <= 20; ++n) {
        f *= n;
        rows.push_back({n, f});
    }
    return rows;
}

LargeFactorial largeFactorial(std::int32_t n)
{
    const BigNatural f = BigNatural::factorial(n < 2 ? 1u : static_cast<std::uint32_t>(n));
    LargeFactorial result;
    result.digits = QString::fromStdString(groupDigits(f.toDecimal(), ", "));
    result.digitCount = f.digitCount();
    result.lengthLine = QStringLiteral("%1! is %2 digits long.").arg(n).arg(result.digitCount);
    return result;
}

} // namespace tv
