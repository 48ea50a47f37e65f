#pragma once
// Turns an expression text into the flat operation list evaluated by
// TCustomExprParser. Compilation runs once per text, so it favours plain
// rules over speed; the results of classifying a piece are remembered for
// the rest of one compilation because the split rule asks about the same
// pieces again and again.
#include <memory>

#include <QString>
#include <QStringView>

#include "grapher/ExprParser.h"

namespace tv {

// Compiles a non-empty text. decimalPoint is "." for the fixed number format
// or the locale's decimal point. Throws the EMathParserError kinds; nothing
// partly built survives a throw. rememberPieces = false classifies every
// piece afresh each time it is asked about (slow; it shows that remembering
// changes no result).
std::unique_ptr<TCompiledExpression> compileExpression(const QString& text,
                                                       const TExprNameTables& tables,
                                                       const QString& decimalPoint,
                                                       bool rememberPieces = true);

// The compiled list written back as a fully bracketed text: "((A-B)-C)",
// "(-square(X))", "SIN((X*2))", "power(X,2)".
QString describeCompiled(const TCompiledExpression& compiled, const TExprNameTables& tables);

// A number literal: optional sign, digits with an optional decimal point and
// decimals (at least one digit in all), optional exponent "E" with optional
// sign and digits. The text is already in upper case. False for anything
// else, and for a value too large for an 80-bit real.
bool readNumberLiteral(QStringView text, QStringView decimalPoint, long double& value);

} // namespace tv
