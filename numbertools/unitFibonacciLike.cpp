#include "numbertools/unitFibonacciLike.h"

#include "numbertools/NumberSequences.h"
#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"
#include "ui/Conversions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tv {

using namespace toolwindow;

TfrmFibonacciLike::TfrmFibonacciLike(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmFibonacciLike"));
    setWindowTitle(QStringLiteral("frmFibonacciLike"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("Fibonacci Like Numbers"), pixelFont(QStringLiteral("Arial"), 32, true),
                        Qt::red, EffectLabel::Effect::Lowered, QRect(0, 10, 680, 44));

    const QFont prompts = pixelFont(QStringLiteral("Arial"), 13, true);
    addPrompt(QStringLiteral("First Number"), prompts, QRect(24, 64, 100, 24));
    editFirst = new QLineEdit(QStringLiteral("1"), this);
    editFirst->setObjectName(QStringLiteral("editFirst"));
    editFirst->setGeometry(128, 64, 100, 24);
    addPrompt(QStringLiteral("Second Number"), prompts, QRect(250, 64, 110, 24));
    editSecond = new QLineEdit(QStringLiteral("1"), this);
    editSecond->setObjectName(QStringLiteral("editSecond"));
    editSecond->setGeometry(364, 64, 100, 24);

    NAGButton1 = makeButton(QStringLiteral("Recalculate"), this);
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));
    NAGButton1->setFont(prompts);
    NAGButton1->setGeometry(490, 60, 120, 32);
    connect(NAGButton1, &QPushButton::clicked, this, &TfrmFibonacciLike::NAGButton1Click);

    const QFont cells = pixelFont(QStringLiteral("Arial"), 12, true);
    ValueListEditor1 = new SequenceTableView(QStringLiteral("Number"), QStringLiteral("Fibonacci Number"), this);
    ValueListEditor1->setObjectName(QStringLiteral("ValueListEditor1"));
    ValueListEditor1->setFont(cells);
    ValueListEditor1->setCellColors(QColor(0xFE, 0xEE, 0xBC), Qt::blue);
    // Terms from large starts reach 30 digits.
    ValueListEditor1->setColumnWidths(56, 250);
    ValueListEditor1->setGeometry(24, 104, 328, 340);
    ValueListEditor2 =
        new SequenceTableView(QStringLiteral("Number"), QStringLiteral("Ratio of F(n) and F(n+1)"), this);
    ValueListEditor2->setObjectName(QStringLiteral("ValueListEditor2"));
    ValueListEditor2->setFont(cells);
    ValueListEditor2->setCellColors(QColor(0xFE, 0xEE, 0xBC), Qt::blue);
    ValueListEditor2->setColumnWidths(56, 210);
    ValueListEditor2->setGeometry(368, 104, 288, 340);

    btnExit = addExitButton(QRect(560, 456, 96, 34));

    fixSizeAndCentre(this, 680, 502);
}

void TfrmFibonacciLike::FormActivate()
{
    setBackground(this, toolPalette::ToolFormColor);
    fillTables();
}

void TfrmFibonacciLike::NAGButton1Click() { fillTables(); }

void TfrmFibonacciLike::fillTables()
{
    ValueListEditor1->clearRows();
    ValueListEditor2->clearRows();
    const std::int32_t a = strToInt(editFirst->text());
    const std::int32_t b = strToInt(editSecond->text());
    fibonacciLikeRows(
        a, b,
        [this](int n, Int128 value) {
            ValueListEditor1->appendRow(QString::number(n), QString::fromStdString(toDecimal(value)));
        },
        [this](int n, long double ratio) { ValueListEditor2->appendRow(QString::number(n), floatToStr(ratio)); });
}

} // namespace tv
