#pragma once
// The six area formulas, typeset as a textbook prints them: Liberation Serif
// with italic variables, stacked fractions with their bars on the axis of
// the signs, a radical whose bar covers all it takes the root of,
// subscripts and superscripts at a smaller size. Each is drawn at the size it
// is shown in the document (96 dpi), on a transparent ground so the page
// colour shows through. The trapezoid, which has no figure of its own, gets
// a labelled drawing beside its formula.
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace tv::lessons {

// The formula pictures by name ("imgHeronsFormula", ...), in document order.
QStringList formulaPictureNames();
// The size a formula picture is shown at. Throws tv::Error for an unknown name.
QSize formulaDisplaySize(const QString& name);

// How the formula was set to fit its picture: the type size chosen and the
// size of the typeset formula itself (which must lie inside the picture).
struct FormulaFit {
    int fontPx = 0;
    QSizeF formulaSize;
};
FormulaFit formulaFit(const QString& name);

// The picture, exactly formulaDisplaySize(name). Throws tv::Error for an unknown name.
QImage drawFormulaPicture(const QString& name);

} // namespace tv::lessons
