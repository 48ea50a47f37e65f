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

// An optional sign and then decimal digits only, nothing before or after:
// a stray blank in a typed number (or in a piece of "1 2/3") must fail rather
// than be skipped. The magnitude is checked against 64 bits as it grows.
bool parseWhole(const QString& text, bool& negative, std::uint64_t& magnitude)
{
    int i = 0;
    const int n = text.size();
    negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= n)
        return false;
    magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        const std::uint64_t digit = c - u'0';
        if (magnitude > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    return true;
}

// The value of -magnitude or +magnitude when it lies within [-limit-1, limit].
bool signedValue(bool negative, std::uint64_t magnitude, std::uint64_t limit, std::int64_t& value)
{
    if (negative ? magnitude > limit + 1 : magnitude > limit)
        return false;
    // Negating in unsigned arithmetic keeps the least value well-defined.
    value = static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
    return true;
}

} // namespace

std::int32_t strToInt(const QString& text)
{
    bool negative;
    std::uint64_t m;
    std::int64_t value;
    if (!parseWhole(text, negative, m)
        || !signedValue(negative, m, std::numeric_limits<std::int32_t>::max(), value))
        notInteger(text);
    return static_cast<std::int32_t>(value);
}

std::int64_t strToInt64(const QString& text)
{
    bool negative;
    std::uint64_t m;
    std::int64_t value;
    if (!parseWhole(text, negative, m)
        || !signedValue(negative, m, std::numeric_limits<std::int64_t>::max(), value))
        notInteger(text);
    return value;
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
