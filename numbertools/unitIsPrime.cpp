#include "numbertools/unitIsPrime.h"

namespace tv {

bool IsPrime(std::int32_t n)
{
    if (n < 2)
        return false;
    for (std::int32_t p : SmallPrimes) {
        if (n % p == 0)
            return n == p;
    }
    // Odd trial divisors from 101; the square is taken in 64 bits so the
    // bound cannot wrap near the top of the 32-bit range.
    for (std::int64_t d = 101; d * d <= n; d += 2) {
        if (n % d == 0)
            return false;
    }
    return true;
}

} // namespace tv
