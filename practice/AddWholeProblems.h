#pragma once
// The five problems of the practice page, in order, as data: the panel's
// name, its template and its addends (top row first). Their sums are the
// panels' to work out; `sum` is kept beside them so a check can hold the
// data against it.
#include "practice/AddWholePanel.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tv::practice {

struct AddWholeProblem {
    QString panelName;    // "Add1" ... "Add5"
    QString templateName; // "2x3", "3x3", "4x3", "5x4", "5x6"
    PanelShape shape;
    QStringList addends;
    QString sum;
};

// The templates by name.
PanelShape shape2x3();
PanelShape shape3x3();
PanelShape shape4x3();
PanelShape shape5x4();
PanelShape shape5x6();

const std::vector<AddWholeProblem>& addWholeProblems();

} // namespace tv::practice
