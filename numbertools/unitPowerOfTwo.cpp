#include "numbertools/unitPowerOfTwo.h"

#include "numbertools/NumberSequences.h"
#include "numbertools/ToolWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tv {

using namespace toolwindow;

TfrmPowerOfTwo::TfrmPowerOfTwo(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmPowerOfTwo"));
    setWindowTitle(QStringLiteral("frmPowerOfTwo"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("Powers of Two"), pixelFont(QStringLiteral("Arial"), 32, true), Qt::red,
                        EffectLabel::Effect::Lowered, QRect(0, 10, 720, 44));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The columns line up only in a fixed-pitch face.
    Memo1->setFont(pixelFont(QStringLiteral("Courier New"), 13));
    Memo1->setPlainText(powersOfTwoLines().join(QLatin1Char('\n')));
    Memo1->setGeometry(12, 62, 696, 400);

    btnExit = addExitButton(QRect(612, 472, 96, 34));

    fixSizeAndCentre(this, 720, 516);
}

} // namespace tv
