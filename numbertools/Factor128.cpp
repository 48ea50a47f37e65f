#include "numbertools/Factor128.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tv {
namespace {

// a·b mod n for a, b < n < 2^96, without a 256-bit product: b is fed in
// 32-bit slices, each partial product staying below 2^128.
UInt128 mulMod(UInt128 a, UInt128 b, UInt128 n)
{
    if (n <= UINT64_MAX)
        return static_cast<UInt128>(static_cast<std::uint64_t>(a)) * static_cast<std::uint64_t>(b) % n;
    UInt128 r = 0;
    for (int shift = 64; shift >= 0; shift -= 32) {
        const auto slice = static_cast<std::uint32_t>(b >> shift);
        r = (r << 32) % n;
        r = (r + a * slice % n) % n;
    }
    return r;
}

UInt128 powMod(UInt128 base, UInt128 exp, UInt128 n)
{
    UInt128 result = 1 % n;
    base %= n;
    while (exp != 0) {
        if (exp & 1)
            result = mulMod(result, base, n);
        base = mulMod(base, base, n);
        exp >>= 1;
    }
    return result;
}

UInt128 gcd128(UInt128 a, UInt128 b)
{
    while (b != 0) {
        const UInt128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

constexpr std::array<std::uint32_t, 20> WitnessBases{2, 3, 5, 7, 11, 13, 17, 19, 23, 29,
                                                     31, 37, 41, 43, 47, 53, 59, 61, 67, 71};

// Primes below 1000 divide out by plain trial division.
constexpr std::uint32_t TrialLimit = 1000;

std::vector<std::uint32_t> smallPrimes()
{
    std::vector<std::uint32_t> primes;
    for (std::uint32_t p = 2; p < TrialLimit; ++p) {
        bool prime = true;
        for (std::uint32_t q : primes) {
            if (q * q > p)
                break;
            if (p % q == 0) {
                prime = false;
                break;
            }
        }
        if (prime)
            primes.push_back(p);
    }
    return primes;
}

const std::vector<std::uint32_t>& trialPrimes()
{
    static const std::vector<std::uint32_t> primes = smallPrimes();
    return primes;
}

// One non-trivial divisor of the odd composite n, by Brent's cycle search
// on x -> x^2 + c, products of differences batched before each gcd.
UInt128 rhoDivisor(UInt128 n)
{
    for (UInt128 c = 1;; ++c) {
        UInt128 y = 2, x = 2, ys = 2, q = 1, g = 1;
        const std::uint64_t batch = 128;
        for (std::uint64_t r = 1; g == 1; r <<= 1) {
            x = y;
            for (std::uint64_t i = 0; i < r; ++i)
                y = (mulMod(y, y, n) + c) % n;
            for (std::uint64_t k = 0; k < r && g == 1; k += batch) {
                ys = y;
                const std::uint64_t steps = std::min(batch, r - k);
                for (std::uint64_t i = 0; i < steps; ++i) {
                    y = (mulMod(y, y, n) + c) % n;
                    q = mulMod(q, x > y ? x - y : y - x, n);
                }
                g = gcd128(q, n);
            }
        }
        if (g == n) {
            // The batch overshot: step back one difference at a time.
            do {
                ys = (mulMod(ys, ys, n) + c) % n;
                g = gcd128(x > ys ? x - ys : ys - x, n);
            } while (g == 1);
        }
        if (g != n)
            return g;
        // The cycle closed without a split; try another constant.
    }
}

void splitInto(UInt128 n, std::vector<UInt128>& out)
{
    if (n == 1)
        return;
    if (isPrime128(n)) {
        out.push_back(n);
        return;
    }
    const UInt128 d = rhoDivisor(n);
    splitInto(d, out);
    splitInto(n / d, out);
}

} // namespace

bool isPrime128(UInt128 n)
{
    if (n < 2)
        return false;
    for (std::uint32_t p : WitnessBases) {
        if (n == p)
            return true;
        if (n % p == 0)
            return false;
    }
    UInt128 d = n - 1;
    int s = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++s;
    }
    // The first 13 bases decide every n below 3,317,044,064,679,887,385,961,981.
    const UInt128 deterministicBound = static_cast<UInt128>(3317044064679887ull) * 1000000000ull + 385961981ull;
    const std::size_t bases = n < deterministicBound ? 13 : WitnessBases.size();
    for (std::size_t b = 0; b < bases; ++b) {
        UInt128 x = powMod(WitnessBases[b], d, n);
        if (x == 1 || x == n - 1)
            continue;
        bool composite = true;
        for (int i = 1; i < s; ++i) {
            x = mulMod(x, x, n);
            if (x == n - 1) {
                composite = false;
                break;
            }
        }
        if (composite)
            return false;
    }
    return true;
}

std::vector<UInt128> primeFactors128(UInt128 n)
{
    if (n >= Factor128Limit)
        throw std::out_of_range("primeFactors128: value too large");
    std::vector<UInt128> factors;
    if (n < 2)
        return factors;
    for (std::uint32_t p : trialPrimes()) {
        if (static_cast<UInt128>(p) * p > n)
            break;
        while (n % p == 0) {
            factors.push_back(p);
            n /= p;
        }
    }
    if (n > 1) {
        if (n < static_cast<UInt128>(TrialLimit) * TrialLimit)
            factors.push_back(n); // no divisor below its square root is left
        else
            splitInto(n, factors);
    }
    std::sort(factors.begin(), factors.end());
    return factors;
}

std::string toDecimal(UInt128 value)
{
    std::string digits;
    do {
        digits.push_back(static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string toDecimal(Int128 value)
{
    if (value >= 0)
        return toDecimal(static_cast<UInt128>(value));
    std::string digits = toDecimal(UInt128{0} - static_cast<UInt128>(value));
    digits.insert(digits.begin(), '-');
    return digits;
}

} // namespace tv
