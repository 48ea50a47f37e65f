#pragma once
// Draws a question's computation as a student writes it on paper: stacked
// fractions with their bars, mixed numbers, whole numbers and decimals, the
// signs + − × ÷ = and a "?" for the number to find. The picture is made from
// the same expression text the prompt shows and the content check works out,
// so the drawing cannot disagree with the question.
//
// Drawn for the document at 96 dpi: Liberation Sans, numerals at least
// 15 px, bars 2 px and as long as the longer of numerator and denominator
// (plus a little overhang), signs centred on the bars, dark text on a
// transparent ground so the sheet's paper shows through.
#include <QImage>
#include <QString>

namespace tv {

// The picture of `expression` at its natural size. Throws tv::Error for a
// text it cannot draw (an unknown character, a fraction without a
// denominator).
QImage drawExpression(const QString& expression);

} // namespace tv
