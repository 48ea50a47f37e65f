#include "numbertools/unitPentagonal.h"

#include "numbertools/NumberSequences.h"
#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"

#include <QPushButton>

namespace tv {

using namespace toolwindow;

TfrmPentagonal::TfrmPentagonal(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmPentagonal"));
    setWindowTitle(QStringLiteral("Tallyvale - Pentagonal Numbers"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("Pentagonal Numbers"), pixelFont(QStringLiteral("Arial"), 32, true),
                        Qt::red, EffectLabel::Effect::Lowered, QRect(0, 10, 400, 44));

    ValueListEditor1 = new SequenceTableView(QStringLiteral("Number"), QStringLiteral("Pentagonal Number"), this);
    ValueListEditor1->setObjectName(QStringLiteral("ValueListEditor1"));
    ValueListEditor1->setFont(pixelFont(QStringLiteral("Arial"), 12, true));
    ValueListEditor1->setCellColors(QColor(0xFE, 0xEE, 0xBC), Qt::blue);
    ValueListEditor1->setColumnWidths(56, 235);
    ValueListEditor1->setGeometry(45, 64, 312, 340);

    btnExit = addExitButton(QRect(152, 418, 96, 34));

    fixSizeAndCentre(this, 400, 466);
}

void TfrmPentagonal::FormActivate()
{
    setBackground(this, toolPalette::TableFormColor);
    for (int n = 1; n <= PentagonalRows; ++n)
        ValueListEditor1->appendRow(QString::number(n), QString::number(pentagonalNumber(n)));
}

} // namespace tv
