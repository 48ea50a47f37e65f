#include "numbertools/UnitBMI.h"

#include "numbertools/BodyMassIndex.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"
#include "ui/Conversions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace tv {

using namespace toolwindow;

namespace {

// The two-line title, drawn with a shadow down and right.
class RaisedTitle : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setFont(font());
        const int flags = Qt::AlignCenter;
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawText(contentsRect().translated(2, 2), flags, text());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(contentsRect(), flags, text());
    }
};

QLineEdit* entryBox(const QString& name, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    return edit;
}

} // namespace

TfrmBMICalc::TfrmBMICalc(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmBMICalc"));
    setWindowTitle(QStringLiteral("Tallyvale BMI Calculator") + CaptionNotice);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    lblTitle = new RaisedTitle(QStringLiteral("Tallyvale,\nBody Mass Index Calculator"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setGeometry(0, 4, 544, 76);

    lblInstructions = new QLabel(QStringLiteral("Enter your weight in pounds, your height in feet and inches and "
                                                "press the check BMI button. Your Body Mass index will be rated."),
                                 this);
    lblInstructions->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    lblInstructions->setStyleSheet(QStringLiteral("color: blue"));
    lblInstructions->setWordWrap(true);
    lblInstructions->setGeometry(57, 84, 430, 36);

    const QFont promptFont = pixelFont(QStringLiteral("Arial"), 13, true);
    const auto rightPrompt = [&](const QString& text, const QRect& at) {
        addPrompt(text, promptFont, at)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    rightPrompt(QStringLiteral("Weight In Pounds"), QRect(40, 130, 140, 24));
    lblWeight = entryBox(QStringLiteral("lblWeight"), QStringLiteral("120"), this);
    lblWeight->setGeometry(188, 130, 70, 24);
    rightPrompt(QStringLiteral("Height (Feet)"), QRect(40, 160, 140, 24));
    lblHeightFeet = entryBox(QStringLiteral("lblHeightFeet"), QStringLiteral("5"), this);
    lblHeightFeet->setGeometry(188, 160, 70, 24);
    rightPrompt(QStringLiteral("Height (Inches)"), QRect(40, 190, 140, 24));
    lblHeightInches = entryBox(QStringLiteral("lblHeightInches"), QStringLiteral("2"), this);
    lblHeightInches->setGeometry(188, 190, 70, 24);

    btnCheckBMI = makeButton(QStringLiteral("Check BMI"), this);
    btnCheckBMI->setObjectName(QStringLiteral("btnCheckBMI"));
    btnCheckBMI->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    setButtonColors(btnCheckBMI, palette().color(QPalette::Button), Qt::red);
    btnCheckBMI->setGeometry(320, 155, 130, 34);
    connect(btnCheckBMI, &QPushButton::clicked, this, &TfrmBMICalc::btnCheckBMIClick);

    NAGLabel1 = new QLabel(this);
    NAGLabel1->setObjectName(QStringLiteral("NAGLabel1"));
    NAGLabel1->setFont(pixelFont(QStringLiteral("Arial"), 21));
    NAGLabel1->setAlignment(Qt::AlignCenter);
    NAGLabel1->setGeometry(22, 224, 500, 30);

    btnExit = addExitButton(QRect(430, 264, 96, 34));

    fixSizeAndCentre(this, 544, 308);
}

void TfrmBMICalc::FormActivate()
{
    setBackground(this, toolPalette::ToolFormColor);
    for (QLineEdit* box : {lblWeight, lblHeightFeet, lblHeightInches}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Base, toolPalette::ToolEditColor);
        box->setPalette(p);
    }
    setButtonColors(btnCheckBMI, toolPalette::ToolButtonColor, Qt::red);
    applyExitColors(btnExit);
    QFont title(toolPalette::ToolTitleFontName);
    title.setPointSize(toolPalette::ToolTitleFontSize);
    lblTitle->setFont(title);
    QPalette p = lblTitle->palette();
    p.setColor(QPalette::WindowText, toolPalette::ToolTitleFontColor);
    lblTitle->setPalette(p);
}

void TfrmBMICalc::btnCheckBMIClick()
{
    const std::int32_t feet = strToInt(lblHeightFeet->text());
    const std::int32_t inches = strToInt(lblHeightInches->text());
    const std::int32_t weight = strToInt(lblWeight->text());
    if (const auto rating = bodyMassRating(bodyMassIndex(weight, feet, inches)))
        NAGLabel1->setText(*rating);
}

} // namespace tv
