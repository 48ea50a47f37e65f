#include "numbertools/unitSquareRoot.h"

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

TfrmSquareRoot::TfrmSquareRoot(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmSquareRoots"));
    setWindowTitle(QStringLiteral("frmSquareRoots"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("Square Root Table"), pixelFont(QStringLiteral("Arial"), 32, true),
                        Qt::red, EffectLabel::Effect::Lowered, QRect(0, 10, 540, 44));

    const QFont prompts = pixelFont(QStringLiteral("Arial"), 13, true);
    addPrompt(QStringLiteral("Minimum Value"), prompts, QRect(20, 66, 110, 24));
    editMin = new QLineEdit(QStringLiteral("1"), this);
    editMin->setObjectName(QStringLiteral("editMin"));
    editMin->setGeometry(134, 66, 90, 24);
    addPrompt(QStringLiteral("Maximum Value"), prompts, QRect(20, 96, 110, 24));
    editMax = new QLineEdit(QStringLiteral("100"), this);
    editMax->setObjectName(QStringLiteral("editMax"));
    editMax->setGeometry(134, 96, 90, 24);

    NAGButton1 = makeButton(QStringLiteral("Create Table"), this);
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));
    NAGButton1->setFont(prompts);
    NAGButton1->setGeometry(250, 78, 120, 32);
    connect(NAGButton1, &QPushButton::clicked, this, &TfrmSquareRoot::NAGButton1Click);

    ValueListEditor1 = new SequenceTableView(QStringLiteral("Number"), QStringLiteral("Square Root"), this);
    ValueListEditor1->setObjectName(QStringLiteral("ValueListEditor1"));
    ValueListEditor1->setFont(pixelFont(QStringLiteral("Arial"), 12, true));
    ValueListEditor1->setCellColors(QColor(0xFD, 0xED, 0xB5), Qt::red);
    ValueListEditor1->setColumnWidths(68, 135);
    ValueListEditor1->setGeometry(20, 134, 224, 300);

    lblExplanation = new QLabel(
        QStringLiteral("The square root of a given number is the value that may be multiplied by itself to "
                       "produce the given number. For example the square root of 9 is 3 since 3 times 3 = 9; "
                       "Also 4 is the square root of 16 since 4 times 4 = 16."),
        this);
    lblExplanation->setObjectName(QStringLiteral("lblExplanation"));
    lblExplanation->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    lblExplanation->setStyleSheet(QStringLiteral("color: blue"));
    lblExplanation->setWordWrap(true);
    lblExplanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblExplanation->setGeometry(264, 134, 256, 150);

    btnExit = addExitButton(QRect(424, 400, 96, 34));

    fixSizeAndCentre(this, 540, 450);
}

void TfrmSquareRoot::FormActivate()
{
    setBackground(this, toolPalette::TableFormColor);
    createTable();
}

void TfrmSquareRoot::NAGButton1Click() { createTable(); }

void TfrmSquareRoot::createTable()
{
    ValueListEditor1->clearRows();
    const std::int32_t minimum = strToInt(editMin->text());
    const std::int32_t maximum = strToInt(editMax->text());
    const SquareRootRange range = squareRootRange(minimum, maximum);
    // Rows are formatted only when they come into view.
    ValueListEditor1->setRowSource(range.count, [first = range.first](std::int64_t row) {
        const std::int64_t n = first + row;
        return std::pair{QString::number(n), squareRootText(n)};
    });
}

} // namespace tv
