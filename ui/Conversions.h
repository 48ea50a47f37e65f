#pragma once
// Text <-> number conversions with the program's standard messages. Plain
// C++ over QString; no widgets.
#include <cstdint>

#include <QString>

namespace tv {

// Whole numbers: optional leading blanks, an optional sign, decimal digits
// (or "$"/"0x" hexadecimal, taken as 32-bit). Anything else, or a value out
// of range, throws ConvertError("'<text>' is not a valid integer value").
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
