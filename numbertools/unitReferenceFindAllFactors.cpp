#include "numbertools/unitReferenceFindAllFactors.h"

#include "numbertools/FactorFinders.h"
#include "numbertools/ToolWindow.h"
#include "ui/Conversions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>

namespace tv {

using namespace toolwindow;

TfrmReferenceFindAllFactors::TfrmReferenceFindAllFactors(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmReferenceFindAllFactors"));
    setWindowTitle(QStringLiteral("Tallyvale Prime Factor Finder") + CaptionNotice);
    const QColor back(0xFD, 0xDF, 0x99);
    setBackground(this, back);

    addTitle(QStringLiteral("Tallyvale, Find All Factors"), pixelFont(QStringLiteral("Arial"), 29, true),
             QColor(0x01, 0x46, 0xFE), EffectLabel::Effect::Shadow, QRect(15, 10, 600, 40),
             Qt::AlignLeft | Qt::AlignVCenter);

    addPrompt(QStringLiteral("Number to Factor"), pixelFont(QStringLiteral("Arial"), 13, true),
              QRect(15, 62, 150, 20), Qt::blue);

    editNumber = new QLineEdit(this);
    editNumber->setObjectName(QStringLiteral("editNumber"));
    editNumber->setFont(pixelFont(QStringLiteral("Arial"), 13));
    editNumber->setMaxLength(9);
    editNumber->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), editNumber));
    editNumber->setGeometry(15, 84, 130, 24);

    btnFindFactors = makeButton(QStringLiteral("Factor It"), this);
    btnFindFactors->setObjectName(QStringLiteral("btnFindFactors"));
    btnFindFactors->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    setButtonColors(btnFindFactors, QColor(0xEA, 0xD8, 0xBF), Qt::black);
    btnFindFactors->setGeometry(165, 82, 96, 28);
    connect(btnFindFactors, &QPushButton::clicked, this, &TfrmReferenceFindAllFactors::btnFindFactorsClick);

    addPrompt(QStringLiteral("# Factors"), pixelFont(QStringLiteral("Arial"), 13, true),
              QRect(330, 62, 90, 20), Qt::red);
    lblNbrFactors = new QLabel(this);
    lblNbrFactors->setObjectName(QStringLiteral("lblNbrFactors"));
    lblNbrFactors->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    lblNbrFactors->setStyleSheet(QStringLiteral("color: red"));
    lblNbrFactors->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblNbrFactors->setGeometry(330, 84, 70, 24);

    addPrompt(QStringLiteral("Factors"), pixelFont(QStringLiteral("Arial"), 13, true),
              QRect(15, 122, 100, 20), Qt::red);

    lblFactors = new QLabel(QStringLiteral("1"));
    lblFactors->setObjectName(QStringLiteral("lblFactors"));
    lblFactors->setFont(pixelFont(QStringLiteral("Arial"), 12, true));
    lblFactors->setStyleSheet(QStringLiteral("color: #FF0080"));
    lblFactors->setWordWrap(true);
    lblFactors->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    factorsArea = new QScrollArea(this);
    factorsArea->setFrameShape(QFrame::NoFrame);
    factorsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    factorsArea->setWidgetResizable(true);
    factorsArea->setWidget(lblFactors);
    // The scroll area makes the label fill its own background: give it the
    // window's colour so the list does not sit in a grey box.
    setBackground(factorsArea->viewport(), back);
    setBackground(lblFactors, back);
    factorsArea->setGeometry(15, 144, 600, 250);

    btnExit = addExitButton(QRect(515, 410, 100, 34));

    auto* link = makeLinkLabel(QStringLiteral("Visit Tallyvale"), QStringLiteral("https://tallyvale.example/"), this);
    link->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    link->setGeometry(15, 418, 130, 22);
    auto* link2 = makeLinkLabel(QStringLiteral("More about factors"),
                                QStringLiteral("https://tallyvale.example/factors.html"), this);
    link2->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    link2->setGeometry(160, 418, 170, 22);

    fixSizeAndCentre(this, 630, 460);
}

void TfrmReferenceFindAllFactors::FormActivate()
{
    editNumber->setFocus();
    applyExitColors(btnExit);
}

void TfrmReferenceFindAllFactors::btnFindFactorsClick()
{
    const std::int32_t n = strToInt(editNumber->text());
    lblNbrFactors->clear();
    lblFactors->setText(QStringLiteral("1"));
    const AllFactors f = allFactors(n);
    lblFactors->setText(f.list);
    lblNbrFactors->setText(QString::number(f.count));
    factorsArea->ensureVisible(0, 0);
}

} // namespace tv
