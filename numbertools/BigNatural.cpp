#include "numbertools/BigNatural.h"

namespace tv {

BigNatural::BigNatural(std::uint64_t value)
{
    while (value != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(value % Base));
        value /= Base;
    }
}

BigNatural BigNatural::factorial(std::uint32_t n)
{
    BigNatural r(1);
    for (std::uint32_t k = 2; k <= n; ++k)
        r.multiplyBy(k);
    return r;
}

BigNatural BigNatural::powerOfTwo(std::uint32_t n)
{
    BigNatural r(1);
    // Shift by 2^29 at a time: few passes, and the limb product stays in 64 bits.
    for (; n >= 29; n -= 29)
        r.multiplyBy(1u << 29);
    return r.multiplyBy(1u << n);
}

BigNatural& BigNatural::multiplyBy(std::uint32_t factor)
{
    if (factor == 0) {
        limbs_.clear();
        return *this;
    }
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
        // limb < 10^9 and factor < 2^32: the sum stays below 2^63.
        const std::uint64_t t = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(t % Base);
        carry = t / Base;
    }
    while (carry != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(carry % Base));
        carry /= Base;
    }
    return *this;
}

BigNatural& BigNatural::add(const BigNatural& other)
{
    if (other.limbs_.size() > limbs_.size())
        limbs_.resize(other.limbs_.size(), 0);
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::uint32_t t = limbs_[i] + carry + (i < other.limbs_.size() ? other.limbs_[i] : 0);
        carry = t >= Base ? 1 : 0;
        limbs_[i] = t - carry * Base;
        if (carry == 0 && i >= other.limbs_.size())
            break;
    }
    if (carry != 0)
        limbs_.push_back(carry);
    return *this;
}

int BigNatural::digitCount() const
{
    if (limbs_.empty())
        return 1;
    int digits = static_cast<int>(limbs_.size() - 1) * 9;
    for (std::uint32_t top = limbs_.back(); top != 0; top /= 10)
        ++digits;
    return digits;
}

std::string BigNatural::toDecimal() const
{
    if (limbs_.empty())
        return "0";
    std::string text = std::to_string(limbs_.back());
    text.reserve(limbs_.size() * 9);
    for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
        const std::string part = std::to_string(*it);
        text.append(9 - part.size(), '0');
        text += part;
    }
    return text;
}

std::string groupDigits(std::string_view digits, std::string_view separator)
{
    std::string text;
    const std::size_t n = digits.size();
    text.reserve(n + (n / 3) * separator.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (i != 0 && (n - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text;
}

} // namespace tv
