#include "numbertools/unitLucas.h"

#include "numbertools/NumberSequences.h"
#include "numbertools/ToolWindow.h"

#include <QPlainTextEdit>

namespace tv {

using namespace toolwindow;

TfrmLucas::TfrmLucas(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmLucas"));
    setWindowTitle(QStringLiteral("Tallyvale - Lucas Numbers"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("Lucas Numbers"), pixelFont(QStringLiteral("Arial"), 32, true), Qt::red,
                        EffectLabel::Effect::Lowered, QRect(0, 10, 640, 44));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(pixelFont(QStringLiteral("Arial"), 13));
    Memo1->setPlainText(lucasLines().join(QLatin1Char('\n')));
    Memo1->setGeometry(12, 62, 616, 420);

    fixSizeAndCentre(this, 640, 494);
}

} // namespace tv
