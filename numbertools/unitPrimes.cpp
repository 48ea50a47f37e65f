#include "numbertools/unitPrimes.h"

#include "numbertools/NumberSequences.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tv {

using namespace toolwindow;

TfrmPrimes::TfrmPrimes(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmPrimes"));
    setWindowTitle(QStringLiteral("frmPrimes"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("Prime Numbers"), pixelFont(QStringLiteral("Arial"), 32, true), Qt::red,
                        EffectLabel::Effect::Lowered, QRect(0, 10, 600, 44));

    lblExplanation = new QLabel(QStringLiteral("The numbers in the first column represent the number of primes. "
                                               "Thus, the 64: in the first column indicates that 313 is the "
                                               "64th prime."),
                                this);
    lblExplanation->setObjectName(QStringLiteral("lblExplanation"));
    lblExplanation->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    lblExplanation->setWordWrap(true);
    lblExplanation->setGeometry(20, 58, 560, 36);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(pixelFont(QStringLiteral("Arial"), 12, true));
    QPalette p = Memo1->palette();
    p.setColor(QPalette::Base, QColor(0xFE, 0xEF, 0xC0));
    p.setColor(QPalette::Text, Qt::red);
    Memo1->setPalette(p);
    Memo1->setPlainText(oddPrimeLines().join(QLatin1Char('\n')));
    Memo1->setGeometry(20, 100, 560, 360);

    btnExit = addExitButton(QRect(484, 470, 96, 34));

    fixSizeAndCentre(this, 600, 516);
}

void TfrmPrimes::FormActivate() { setBackground(this, toolPalette::ToolFormColor); }

} // namespace tv
