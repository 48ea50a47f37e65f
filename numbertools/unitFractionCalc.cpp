#include "numbertools/unitFractionCalc.h"

#include "numbertools/FractionCalculation.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tv {

using namespace toolwindow;

const QString TfrmFractionCalc::InstructionText = QStringLiteral(
    "Enter both your numbers in the following forms, then select the desired operation:\r\n"
    "Mixed number:    1 2/3  (Note the space between the whole and the fraction parts.)\r\n"
    "Whole Number:  4\r\n"
    "Common Fraction:  5/6\r\n"
    "At present the is little error checking. Please do NOT include any extra spaces or other "
    "differences from the above formats for numbers. ");

namespace {

QLineEdit* operandEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    QFont font = pixelFont(QStringLiteral("Arial"), 15, true);
    font.setFixedPitch(true);
    edit->setFont(font);
    edit->setStyleSheet(QStringLiteral("QLineEdit { color: #8000FF; }"));
    return edit;
}

} // namespace

TfrmFractionCalc::TfrmFractionCalc(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmFractionCalc"));
    setWindowTitle(QStringLiteral("Tallyvale") + CaptionNotice);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lbltitle = addTitle(QStringLiteral("Tallyvale, Fraction Calculator"),
                        pixelFont(QStringLiteral("Arial"), 29, true), QColor(0x01, 0x46, 0xFE),
                        EffectLabel::Effect::Shadow, QRect(0, 8, 547, 40));
    lbltitle->setObjectName(QStringLiteral("lbltitle"));

    // The label breaks lines at "\n"; the text keeps its own line ends.
    lblInstructions = new QLabel(QString(InstructionText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    lblInstructions->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    lblInstructions->setWordWrap(true);
    lblInstructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInstructions->setGeometry(28, 56, 490, 140);

    editFirst = operandEdit(QStringLiteral("editFirst"), this);
    editFirst->setGeometry(15, 232, 125, 28);

    rbAdd = new QRadioButton(QStringLiteral("Add"), this);
    rbSubtract = new QRadioButton(QStringLiteral("Subtract"), this);
    rbMultiply = new QRadioButton(QStringLiteral("Multiply"), this);
    rbDivide = new QRadioButton(QStringLiteral("Divide"), this);
    auto* group = new QButtonGroup(this);
    int y = 204;
    for (QRadioButton* rb : {rbAdd, rbSubtract, rbMultiply, rbDivide}) {
        group->addButton(rb);
        rb->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
        rb->setGeometry(152, y, 86, 21);
        y += 22;
    }
    rbAdd->setObjectName(QStringLiteral("rbAdd"));
    rbSubtract->setObjectName(QStringLiteral("rbSubtract"));
    rbMultiply->setObjectName(QStringLiteral("rbMultiply"));
    rbDivide->setObjectName(QStringLiteral("rbDivide"));
    rbSubtract->setChecked(true);

    editSecond = operandEdit(QStringLiteral("editSecond"), this);
    editSecond->setGeometry(245, 232, 125, 28);

    lblEquals = new QLabel(QStringLiteral("="), this);
    lblEquals->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    lblEquals->setAlignment(Qt::AlignCenter);
    lblEquals->setGeometry(374, 232, 20, 28);

    editAnswer = new QLineEdit(this);
    editAnswer->setObjectName(QStringLiteral("editAnswer"));
    editAnswer->setReadOnly(true);
    editAnswer->setFocusPolicy(Qt::ClickFocus);
    editAnswer->setFont(pixelFont(QStringLiteral("Arial"), 15, true));
    editAnswer->setStyleSheet(QStringLiteral("QLineEdit { color: red; }"));
    editAnswer->setGeometry(398, 232, 135, 28);

    btnFindAnswer = makeButton(QStringLiteral("Find Answer"), this);
    btnFindAnswer->setObjectName(QStringLiteral("btnFindAnswer"));
    btnFindAnswer->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    btnFindAnswer->setGeometry(140, 310, 120, 32);
    connect(btnFindAnswer, &QPushButton::clicked, this, &TfrmFractionCalc::btnFindAnswerClick);

    btnExit = addExitButton(QRect(420, 345, 100, 34));

    setTabOrder(editFirst, rbSubtract);
    setTabOrder(rbSubtract, editSecond);
    setTabOrder(editSecond, btnFindAnswer);
    setTabOrder(btnFindAnswer, btnExit);

    fixSizeAndCentre(this, 547, 399);
}

void TfrmFractionCalc::FormActivate()
{
    setBackground(this, toolPalette::ToolFormColor);
    setButtonColors(btnFindAnswer, toolPalette::ToolButtonColor, palette().color(QPalette::ButtonText));
    applyExitColors(btnExit);
}

void TfrmFractionCalc::btnFindAnswerClick()
{
    FractionOperation op = FractionOperation::Subtract;
    if (rbAdd->isChecked())
        op = FractionOperation::Add;
    else if (rbMultiply->isChecked())
        op = FractionOperation::Multiply;
    else if (rbDivide->isChecked())
        op = FractionOperation::Divide;
    editAnswer->setText(fractionAnswer(editFirst->text(), editSecond->text(), op));
}

} // namespace tv
