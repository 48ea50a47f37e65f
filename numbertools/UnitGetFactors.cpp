#include "numbertools/UnitGetFactors.h"

#include <algorithm>

namespace tv {

void GetFactors(std::int32_t n, APIntFactorArray& factors)
{
    factors.assign(1, 0);
    if (n < 2)
        return;
    // Divisors come in pairs d and n/d with d <= sqrt(n): collect the small
    // ones ascending and their partners descending, then join the two runs.
    std::vector<std::int32_t> large;
    for (std::int64_t d = 2; d * d <= n; ++d) {
        if (n % d == 0) {
            const auto dd = static_cast<std::int32_t>(d);
            factors.push_back(dd);
            if (n / dd != dd)
                large.push_back(n / dd);
        }
    }
    factors.insert(factors.end(), large.rbegin(), large.rend());
    factors.push_back(n);
    factors[0] = static_cast<std::int32_t>(factors.size() - 1);
}

} // namespace tv
