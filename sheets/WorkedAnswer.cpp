#include "sheets/WorkedAnswer.h"

#include <cmath>
#include <numeric>

namespace tv::sheet {

namespace {

using Wide = __int128;

constexpr std::int64_t kMax = INT64_MAX;

Wide wideGcd(Wide a, Wide b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }
bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

} // namespace

// ------------------------------------------------------------------ Rational

Rational::Rational(std::int64_t numerator, std::int64_t denominator)
{
    *this = fromWide(numerator, denominator);
}

Rational Rational::fromWide(Wide n, Wide d)
{
    if (d == 0)
        throw WorkError("division by zero");
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const Wide g = wideGcd(n, d);
    if (g > 1) {
        n /= g;
        d /= g;
    }
    if (n > kMax || n < -kMax || d > kMax)
        throw WorkError("a value too large to compute exactly");
    Rational r;
    r.num_ = static_cast<std::int64_t>(n);
    r.den_ = static_cast<std::int64_t>(d);
    return r;
}

Rational operator+(const Rational& a, const Rational& b)
{
    return Rational::fromWide(Wide(a.num_) * b.den_ + Wide(b.num_) * a.den_, Wide(a.den_) * b.den_);
}

Rational operator-(const Rational& a, const Rational& b) { return a + (-b); }

Rational operator*(const Rational& a, const Rational& b)
{
    // Cross-reduce first so products of two reduced fractions stay small.
    const Wide g1 = wideGcd(a.num_, b.den_), g2 = wideGcd(b.num_, a.den_);
    const Wide n = (Wide(a.num_) / (g1 ? g1 : 1)) * (Wide(b.num_) / (g2 ? g2 : 1));
    const Wide d = (Wide(a.den_) / (g2 ? g2 : 1)) * (Wide(b.den_) / (g1 ? g1 : 1));
    return Rational::fromWide(n, d);
}

Rational operator/(const Rational& a, const Rational& b)
{
    if (b.num_ == 0)
        throw WorkError("division by zero");
    return a * Rational::fromWide(b.den_, b.num_);
}

Rational Rational::operator-() const
{
    Rational r = *this;
    r.num_ = -r.num_; // |num_| <= INT64_MAX, so this cannot overflow
    return r;
}

Rational Rational::pow(std::int64_t exponent) const
{
    if (exponent < 0)
        return Rational(1) / pow(-exponent);
    if (exponent > 64 && num_ != den_ && num_ != 0 && num_ != -den_)
        throw WorkError("a value too large to compute exactly");
    Rational r(1);
    for (std::int64_t i = 0; i < exponent; ++i)
        r = r * *this;
    return r;
}

std::string Rational::toString() const
{
    std::string s = std::to_string(num_);
    if (den_ != 1)
        s += "/" + std::to_string(den_);
    return s;
}

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// ----------------------------------------------------------------- reading

namespace {

// A cursor over the text with the number forms both readers share.
struct Reader {
    std::u16string_view s;
    size_t at = 0;

    bool atEnd() const { return at >= s.size(); }
    char16_t peek(size_t ahead = 0) const { return at + ahead < s.size() ? s[at + ahead] : u'\0'; }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(s[at]))
            ++at;
    }
    [[noreturn]] void fail(const char* what) const
    {
        throw WorkError(std::string(what) + " at " + std::to_string(at) + " in \"" + toUtf8(s) + "\"");
    }

    // Whole digits; with `groups`, "1,250" reads as 1250 (a comma followed by
    // exactly three digits).
    bool digits(Wide& value, int& count, bool groups)
    {
        const size_t from = at;
        value = 0;
        count = 0;
        while (!atEnd()) {
            if (isDigit(s[at])) {
                value = value * 10 + (s[at] - u'0');
                if (value > kMax)
                    fail("a number too long");
                ++at;
                ++count;
            } else if (groups && s[at] == u',' && count > 0 && isDigit(peek(1)) && isDigit(peek(2))
                       && isDigit(peek(3)) && !isDigit(peek(4))) {
                ++at;
            } else {
                break;
            }
        }
        return at > from;
    }

    // An unsigned number: a decimal ("2.5", ".75"), a fraction "3/4" written
    // without blanks, or a mixed number "2 1/3".
    std::optional<Rational> unsignedNumber(bool groups)
    {
        const size_t start = at;
        Wide whole = 0;
        int count = 0;
        const bool hasWhole = digits(whole, count, groups);
        if (peek() == u'.' && isDigit(peek(1))) {
            ++at;
            Wide frac = 0;
            int places = 0;
            digits(frac, places, false);
            Wide scale = 1;
            for (int i = 0; i < places; ++i) {
                scale *= 10;
                if (scale > kMax)
                    fail("a number too long");
            }
            return Rational(static_cast<std::int64_t>(whole), 1)
                   + Rational(static_cast<std::int64_t>(frac), static_cast<std::int64_t>(scale));
        }
        if (!hasWhole) {
            at = start;
            return std::nullopt;
        }
        if (peek() == u'/' && isDigit(peek(1))) {
            ++at;
            Wide den = 0;
            digits(den, count, false);
            if (den == 0)
                fail("a fraction with denominator 0");
            return Rational(static_cast<std::int64_t>(whole), static_cast<std::int64_t>(den));
        }
        // A mixed number: blanks, then a fraction of whole numbers.
        size_t look = at;
        while (look < s.size() && isBlank(s[look]))
            ++look;
        if (look > at) {
            size_t p = look;
            while (p < s.size() && isDigit(s[p]))
                ++p;
            if (p > look && p + 1 < s.size() && s[p] == u'/' && isDigit(s[p + 1])) {
                at = look;
                Wide n = 0, d = 0;
                digits(n, count, false);
                ++at;
                digits(d, count, false);
                if (d == 0)
                    fail("a fraction with denominator 0");
                return Rational(static_cast<std::int64_t>(whole))
                       + Rational(static_cast<std::int64_t>(n), static_cast<std::int64_t>(d));
            }
        }
        return Rational(static_cast<std::int64_t>(whole));
    }
};

// expr := term { (+|-) term } ; term := unary { (×|*|÷|/) unary } ;
// unary := (-|+) unary | power ; power := primary [ ^ unary ] ;
// primary := number | ( expr ) | round( expr , expr ) | √ primary
struct Evaluator : Reader {
    bool take(char16_t c)
    {
        skipBlanks();
        if (peek() == c) {
            ++at;
            return true;
        }
        return false;
    }
    bool takeMinus() { return take(u'-') || take(u'\u2212'); }

    Rational expr()
    {
        Rational v = term();
        for (;;) {
            if (take(u'+'))
                v = v + term();
            else if (takeMinus())
                v = v - term();
            else
                return v;
        }
    }
    Rational term()
    {
        Rational v = unary();
        for (;;) {
            if (take(u'\u00D7') || take(u'*'))
                v = v * unary();
            else if (take(u'\u00F7') || take(u'/'))
                v = v / unary();
            else
                return v;
        }
    }
    Rational unary()
    {
        if (takeMinus())
            return -unary();
        if (take(u'+'))
            return unary();
        return power();
    }
    Rational power()
    {
        const Rational base = primary();
        if (!take(u'^'))
            return base;
        const Rational e = unary();
        if (e.denominator() != 1)
            fail("a power that is not whole");
        return base.pow(e.numerator());
    }
    // The square root of an exact square only ("√(6^2 + 8^2)" is 10), as the
    // Pythagorean theorem's whole-number triples need; any other root is not
    // exact and fails.
    Rational root(const Rational& v)
    {
        const auto whole = [&](std::int64_t n) {
            if (n < 0)
                fail("the root of a negative number");
            auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
            const auto square = [](std::int64_t x) { return static_cast<__int128>(x) * x; };
            while (r > 0 && square(r) > n)
                --r;
            while (square(r + 1) <= n)
                ++r;
            if (r * r != n)
                fail("a root that is not exact");
            return r;
        };
        return Rational(whole(v.numerator()), whole(v.denominator()));
    }
    // Rounds to the nearest multiple of `unit`, a half away from zero, as
    // students round: round(3482.67, 100) is 3500.
    Rational rounded(const Rational& v, const Rational& unit)
    {
        if (unit.numerator() <= 0)
            fail("rounding to a unit that is not positive");
        const Rational q = v / unit;
        const Rational magnitude = q.numerator() < 0 ? -q : q;
        // floor(|q| + 1/2) in whole numbers of the unit
        const Rational shifted = magnitude + Rational(1, 2);
        const std::int64_t steps = shifted.numerator() / shifted.denominator();
        const Rational r = Rational(steps) * unit;
        return q.numerator() < 0 ? -r : r;
    }
    bool takeWord(std::u16string_view word)
    {
        skipBlanks();
        if (s.substr(at).starts_with(word)) {
            at += word.size();
            return true;
        }
        return false;
    }
    Rational primary()
    {
        if (take(u'\u221A'))
            return root(primary());
        if (takeWord(u"round(")) {
            const Rational v = expr();
            if (!take(u','))
                fail("a missing , in round");
            const Rational unit = expr();
            if (!take(u')'))
                fail("a missing )");
            return rounded(v, unit);
        }
        if (take(u'(')) {
            const Rational v = expr();
            if (!take(u')'))
                fail("a missing )");
            return v;
        }
        skipBlanks();
        if (auto v = unsignedNumber(false))
            return *v;
        fail("a number expected");
    }
};

} // namespace

Rational evaluate(std::u16string_view expression)
{
    Evaluator e;
    e.s = expression;
    const Rational v = e.expr();
    e.skipBlanks();
    if (!e.atEnd())
        e.fail("an unexpected character");
    return v;
}

bool isNoneOfTheAbove(std::u16string_view caption)
{
    return caption.starts_with(u"None of the above");
}

std::optional<Rational> readShownValue(std::u16string_view caption)
{
    Reader r;
    r.s = caption;
    r.skipBlanks();
    // "x = 5", "n = 12"
    if (isLetter(r.peek())) {
        size_t p = r.at + 1;
        while (p < caption.size() && isBlank(caption[p]))
            ++p;
        if (p < caption.size() && caption[p] == u'=') {
            r.at = p + 1;
            r.skipBlanks();
        }
    }
    bool negative = false;
    if (r.peek() == u'-' || r.peek() == u'\u2212') {
        negative = true;
        ++r.at;
    }
    if (r.peek() == u'$')
        ++r.at;
    if (!negative && (r.peek() == u'-' || r.peek() == u'\u2212')) {
        negative = true; // "$-5" is unusual, but read it
        ++r.at;
    }
    std::optional<Rational> v;
    try {
        v = r.unsignedNumber(true);
        if (v && r.peek() == u':' && isDigit(r.peek(1))) { // a ratio "3:4"
            ++r.at;
            Wide d = 0;
            int count = 0;
            r.digits(d, count, false);
            v = *v / Rational(static_cast<std::int64_t>(d));
        }
    } catch (const WorkError&) {
        return std::nullopt;
    }
    if (!v)
        return std::nullopt;
    // What may follow: a unit, a percent or degree sign, a final period. No
    // second number.
    for (size_t i = r.at; i < caption.size(); ++i)
        if (isDigit(caption[i]))
            return std::nullopt;
    return negative ? -*v : *v;
}

} // namespace tv::sheet
