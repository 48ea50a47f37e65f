#include "numbertools/unitFibonacci.h"

#include "numbertools/NumberSequences.h"
#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"
#include "ui/Conversions.h"

#include <QPushButton>

namespace tv {

using namespace toolwindow;

TfrmFibonacci::TfrmFibonacci(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmFibonacci"));
    setWindowTitle(QStringLiteral("frmFibonacci"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("The first 90 Fibonacci Numbers"),
                        pixelFont(QStringLiteral("Arial"), 32, true), Qt::red, EffectLabel::Effect::Lowered,
                        QRect(0, 10, 600, 44));

    const QFont cells = pixelFont(QStringLiteral("Arial"), 12, true);
    ValueListEditor1 = new SequenceTableView(QStringLiteral("Number"), QStringLiteral("Fibonacci Number"), this);
    ValueListEditor1->setObjectName(QStringLiteral("ValueListEditor1"));
    ValueListEditor1->setFont(cells);
    ValueListEditor1->setCellColors(QColor(0xFE, 0xEE, 0xBC), Qt::blue);
    ValueListEditor1->setColumnWidths(56, 190);
    ValueListEditor1->setGeometry(24, 66, 268, 360);
    ValueListEditor2 =
        new SequenceTableView(QStringLiteral("Number"), QStringLiteral("Ratio of F(n) and F(n+1)"), this);
    ValueListEditor2->setObjectName(QStringLiteral("ValueListEditor2"));
    ValueListEditor2->setFont(cells);
    ValueListEditor2->setCellColors(QColor(0xFE, 0xEE, 0xBC), Qt::blue);
    ValueListEditor2->setColumnWidths(56, 190);
    ValueListEditor2->setGeometry(308, 66, 268, 360);

    btnExit = addExitButton(QRect(480, 438, 96, 34));

    fixSizeAndCentre(this, 600, 484);
}

void TfrmFibonacci::FormActivate()
{
    setBackground(this, toolPalette::ToolFormColor);
    for (const FibonacciRow& row : fibonacciRows()) {
        ValueListEditor1->appendRow(QString::number(row.n), QString::number(row.value));
        ValueListEditor2->appendRow(QString::number(row.n), floatToStr(row.ratio));
    }
}

} // namespace tv
