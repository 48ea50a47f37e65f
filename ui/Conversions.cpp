#include "ui/Conversions.h"

#include "ui/Errors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tv {
namespace {

[[noreturn]] void notInteger(const QString& text)
{
    throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

[[noreturn]] void notFloat(const QString& text)
{
    throw ConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

// Parses into a 64-bit magnitude with overflow detection; `hex` reports the
// hexadecimal form, which wraps into the signed range like a bit pattern.
bool parseWhole(const QString& text, bool& negative, std::uint64_t& magnitude, bool& hex)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    hex = false;
    if (i < n && text[i] == QLatin1Char('$')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0')
               && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return false;
    const std::uint64_t base = hex ? 16 : 10;
    magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        std::uint64_t digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        if (magnitude > (std::numeric_limits<std::uint64_t>::max() - digit) / base)
            return false;
        magnitude = magnitude * base + digit;
    }
    return true;
}

} // namespace

std::int32_t strToInt(const QString& text)
{
    bool negative, hex;
    std::uint64_t m;
    if (!parseWhole(text, negative, m, hex))
        notInteger(text);
    if (hex) {
        if (m > 0xFFFFFFFFull)
            notInteger(text);
        auto bits = static_cast<std::uint32_t>(m);
        if (negative)
            bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }
    if (negative ? m > 2147483648ull : m > 2147483647ull)
        notInteger(text);
    return negative ? static_cast<std::int32_t>(0 - static_cast<std::int64_t>(m))
                    : static_cast<std::int32_t>(m);
}

std::int64_t strToInt64(const QString& text)
{
    bool negative, hex;
    std::uint64_t m;
    if (!parseWhole(text, negative, m, hex))
        notInteger(text);
    if (hex) {
        std::uint64_t bits = negative ? 0ull - m : m;
        return static_cast<std::int64_t>(bits);
    }
    const std::uint64_t limit = negative ? 9223372036854775808ull : 9223372036854775807ull;
    if (m > limit)
        notInteger(text);
    if (negative)
        return m == 9223372036854775808ull ? std::numeric_limits<std::int64_t>::min()
                                           : -static_cast<std::int64_t>(m);
    return static_cast<std::int64_t>(m);
}

long double strToFloat(const QString& text)
{
    const QString t = text.trimmed();
    // Accept only: [sign] digits [. digits] [(e|E) [sign] digits], with at
    // least one mantissa digit.
    int i = 0;
    const int n = t.size();
    auto isDigit = [&](int k) { return k < n && t[k] >= QLatin1Char('0') && t[k] <= QLatin1Char('9'); };
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (isDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        notFloat(text);
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        if (!isDigit(i))
            notFloat(text);
        while (isDigit(i))
            ++i;
    }
    if (i != n)
        notFloat(text);
    const QByteArray ascii = t.toLatin1();
    const long double value = std::strtold(ascii.constData(), nullptr);
    if (!std::isfinite(value))
        notFloat(text);
    return value;
}

QString floatToStrGeneral(long double value, int precision)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    precision = std::clamp(precision, 1, 18);

    // Round to `precision` significant digits: d.ddd...e±x.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", precision - 1, value);
    QByteArray s(buf);
    const bool negative = s.startsWith('-');
    if (negative)
        s.remove(0, 1);
    const int ePos = s.indexOf('e');
    const int exp10 = std::atoi(s.constData() + ePos + 1);
    QByteArray digits = s.left(ePos);
    digits.replace(".", "");
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    // Digits before the decimal point, as in the platform's decimal record.
    const int exponent = exp10 + 1;
    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent > precision || exponent < -3) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            out += QLatin1Char('.') + QString::fromLatin1(digits.mid(1));
        out += QLatin1Char('E');
        if (exp10 < 0)
            out += QLatin1Char('-');
        out += QString::number(std::abs(exp10));
        return out;
    }
    if (exponent <= 0) {
        out += QStringLiteral("0.") + QString(-exponent, QLatin1Char('0'))
            + QString::fromLatin1(digits);
        return out;
    }
    if (digits.size() <= exponent)
        return out + QString::fromLatin1(digits) + QString(exponent - digits.size(), QLatin1Char('0'));
    return out + QString::fromLatin1(digits.left(exponent)) + QLatin1Char('.')
        + QString::fromLatin1(digits.mid(exponent));
}

QString floatToStr(long double value) { return floatToStrGeneral(value, 15); }

} // namespace tv
