#pragma once
// Exact arithmetic for checking sheet content: a rational number, an
// evaluator for the computations that questions state ("5×4+6×3",
// "2 1/3 + 1 3/4", "3/4 ÷ 1/2", "0.15 × 80") and a reader for the value an
// answer choice shows ("38", "$3.75", "4 1/6", ".375", "12.5%").
//
// Written as a student reads it: "a/b" between two whole numbers is one
// fraction (so "3/4 ÷ 1/2" divides two fractions), a whole number followed
// by a blank and such a fraction is a mixed number, × and * multiply, ÷
// divides, ^ raises to a whole power, √ takes the root of an exact square,
// and the usual precedence holds. round(x, 100) rounds x to the nearest
// hundred (a half away from zero).
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tv::sheet {

// Any failure to read or compute (a syntax slip, a zero divisor, a value too
// large to hold exactly); the message says where.
class WorkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A reduced fraction with a positive denominator. Operations throw WorkError
// instead of overflowing.
class Rational {
public:
    constexpr Rational() = default;
    Rational(std::int64_t numerator, std::int64_t denominator = 1);

    std::int64_t numerator() const { return num_; }
    std::int64_t denominator() const { return den_; }

    friend Rational operator+(const Rational& a, const Rational& b);
    friend Rational operator-(const Rational& a, const Rational& b);
    friend Rational operator*(const Rational& a, const Rational& b);
    friend Rational operator/(const Rational& a, const Rational& b);
    Rational operator-() const;
    Rational pow(std::int64_t exponent) const;
    friend bool operator==(const Rational&, const Rational&) = default;

    // "7/6", "-3", for messages.
    std::string toString() const;

private:
    static Rational fromWide(__int128 numerator, __int128 denominator);

    std::int64_t num_ = 0;
    std::int64_t den_ = 1;
};

// Evaluates a stated computation. Throws WorkError.
Rational evaluate(std::u16string_view expression);

// The value a choice caption or a typed answer shows, or nothing when it
// shows no single number ("None of the above.", "A", a sentence). Money
// signs, thousands separators, a trailing unit or percent sign and a final
// period are read past: "$1,250.50" is 1250.5 and "75%" is 75.
std::optional<Rational> readShownValue(std::u16string_view caption);

// True for the "None of the above." choice.
bool isNoneOfTheAbove(std::u16string_view caption);

std::string toUtf8(std::u16string_view text);

} // namespace tv::sheet
