#include "numbertools/unitUnitFractions.h"

#include "numbertools/NumberSequences.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"
#include "ui/Conversions.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tv {

using namespace toolwindow;

namespace {

QLabel* numberLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void fractionBar(QWidget* parent, int x, int y, int width)
{
    auto* bar = new QFrame(parent);
    bar->setFrameShape(QFrame::HLine);
    bar->setLineWidth(2);
    bar->setGeometry(x, y, width, 4);
}

} // namespace

TfrmUnitFractions::TfrmUnitFractions(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmUnitFractions"));
    setWindowTitle(QStringLiteral("frmUnitFractions"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = addTitle(QStringLiteral("Egyptian Unit Fractions"), pixelFont(QStringLiteral("Arial"), 32, true),
                        Qt::red, EffectLabel::Effect::Lowered, QRect(0, 10, 500, 44));

    const QFont numbers = pixelFont(QStringLiteral("Arial"), 19, true);
    // 1/a
    editNumerator = new QLineEdit(QStringLiteral("1"), this);
    editNumerator->setObjectName(QStringLiteral("editNumerator"));
    editNumerator->setReadOnly(true);
    editNumerator->setFocusPolicy(Qt::NoFocus);
    editNumerator->setFont(numbers);
    editNumerator->setAlignment(Qt::AlignCenter);
    editNumerator->setGeometry(40, 86, 100, 30);
    fractionBar(this, 40, 124, 100);
    editDenominator = new QLineEdit(QStringLiteral("4"), this);
    editDenominator->setObjectName(QStringLiteral("editDenominator"));
    editDenominator->setFont(numbers);
    editDenominator->setAlignment(Qt::AlignCenter);
    editDenominator->setGeometry(40, 134, 100, 30);

    numberLabel(QStringLiteral("="), this)->setGeometry(145, 110, 30, 30);
    // 1/(a + 1)
    numberLabel(QStringLiteral("1"), this)->setGeometry(180, 86, 120, 30);
    fractionBar(this, 180, 124, 120);
    lblDenominator1 = numberLabel(QString(), this);
    lblDenominator1->setObjectName(QStringLiteral("lblDenominator1"));
    lblDenominator1->setGeometry(180, 134, 120, 30);

    numberLabel(QStringLiteral("+"), this)->setGeometry(305, 110, 30, 30);
    // 1/(a·(a + 1))
    numberLabel(QStringLiteral("1"), this)->setGeometry(340, 86, 150, 30);
    fractionBar(this, 340, 124, 150);
    lblDenominator2 = numberLabel(QString(), this);
    lblDenominator2->setObjectName(QStringLiteral("lblDenominator2"));
    lblDenominator2->setGeometry(340, 134, 150, 30);

    NAGButton1 = makeButton(QStringLiteral("Recalculate"), this);
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));
    NAGButton1->setFont(pixelFont(QStringLiteral("Arial"), 15, true));
    NAGButton1->setGeometry(40, 200, 130, 34);
    connect(NAGButton1, &QPushButton::clicked, this, &TfrmUnitFractions::NAGButton1Click);

    btnExit = addExitButton(QRect(390, 250, 96, 34));

    fixSizeAndCentre(this, 500, 300);
}

void TfrmUnitFractions::FormActivate()
{
    setBackground(this, toolPalette::TableFormColor);
    NAGButton1Click();
}

void TfrmUnitFractions::NAGButton1Click()
{
    const UnitFractionSplit split = splitUnitFraction(strToInt(editDenominator->text()));
    lblDenominator1->setText(QString::number(split.first));
    lblDenominator2->setText(QString::number(split.second));
}

} // namespace tv
