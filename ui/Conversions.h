#pragma once
// Text <-> number conversions with the program's standard messages. Plain
// C++ over QString; no widgets.
#include <cstdint>

#include <QString>

namespace tv {

// Whole numbers: an optional sign ('+' or '-') and one or more decimal
// digits, nothing else (no blanks, no hexadecimal). Anything else, or a value
// outside the type's range, throws
// ConvertError("'<text>' is not a valid integer value") naming the text as given.
std::int32_t strToInt(const QString& text);
std::int64_t strToInt64(const QString& text);

// Reals: blanks around, sign, digits, one '.', an exponent. Otherwise throws
// ConvertError("'<text>' is not a valid floating point value").
long double strToFloat(const QString& text);

// The platform's general real format: up to 15 significant digits, trailing
// zeros dropped, no decimal point for whole numbers, scientific ("1.5E-7",
// "1E20") below 0.0001 or past 15 integer digits.
QString floatToStr(long double value);
// The same with another number of significant digits (1..18).
QString floatToStrGeneral(long double value, int precision);

} // namespace tv
