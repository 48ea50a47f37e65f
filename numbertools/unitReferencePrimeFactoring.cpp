#include "numbertools/unitReferencePrimeFactoring.h"

#include "numbertools/FactorFinders.h"
#include "numbertools/ToolWindow.h"
#include "numbertools/unitIsPrime.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace tv {
namespace {

using namespace toolwindow;

// The result of the last click; each click clears and rebuilds it.
QString FactorText;

const QColor Pink(0xFF, 0x00, 0x80);

// A factor tree of 360, drawn rather than loaded: primes in pink, the
// numbers still to split in cream.
QPixmap factorTreePicture(const QSize& size)
{
    QPixmap pm(size);
    pm.fill(QColor(0xFD, 0xDF, 0x99));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont font = pixelFont(QStringLiteral("Arial"), 13, true);
    p.setFont(font);
    const std::int32_t shown = 360;
    const QSize node(QFontMetrics(font).horizontalAdvance(QString::number(shown)) + 8, 18);
    const std::vector<FactorTreeNode> nodes = factorTree(shown, pm.rect().adjusted(2, 2, -2, -2), node);
    p.setPen(QPen(QColor(0x80, 0x50, 0x20), 1.5));
    for (const FactorTreeNode& n : nodes)
        if (n.parent >= 0) {
            const QRect above = nodes[std::size_t(n.parent)].box;
            p.drawLine(QPoint(above.center().x(), above.bottom()), QPoint(n.box.center().x(), n.box.top()));
        }
    for (const FactorTreeNode& n : nodes) {
        const bool prime = IsPrime(n.value);
        p.setPen(Qt::NoPen);
        p.setBrush(prime ? Pink : QColor(0xFF, 0xF4, 0xD0));
        p.drawRoundedRect(n.box, 6, 6);
        p.setPen(prime ? Qt::white : QColor(0x00, 0x00, 0xC0));
        p.drawText(n.box, Qt::AlignCenter, QString::number(n.value));
    }
    return pm;
}

// The numbers 1 to 100 with the primes picked out.
QPixmap primeGridPicture()
{
    const int cell = 17;
    QPixmap pm(cell * 10 + 1, cell * 10 + 1);
    pm.fill(QColor(0xFF, 0xF8, 0xE0));
    QPainter p(&pm);
    p.setFont(pixelFont(QStringLiteral("Arial"), 8, true));
    for (int i = 0; i < 100; ++i) {
        const QRect box((i % 10) * cell, (i / 10) * cell, cell, cell);
        if (IsPrime(i + 1))
            p.fillRect(box, QColor(0xFF, 0xC0, 0xE0));
        p.setPen(QColor(0xC0, 0xA0, 0x70));
        p.drawRect(box);
        p.setPen(IsPrime(i + 1) ? QColor(0xC0, 0x00, 0x60) : QColor(0x60, 0x60, 0x60));
        p.drawText(box, Qt::AlignCenter, QString::number(i + 1));
    }
    return pm;
}

} // namespace

TfrmReferencePrimeFactoring::TfrmReferencePrimeFactoring(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmReferencePrimeFactoring"));
    setWindowTitle(QStringLiteral("Tallyvale Prime Factor Finder") + CaptionNotice);
    setBackground(this, QColor(0xFD, 0xDF, 0x99));
    const QFont arial = pixelFont(QStringLiteral("Arial"), 13);

    addTitle(QStringLiteral("Tallyvale"), pixelFont(QStringLiteral("Arial"), 27, true), Qt::red,
             EffectLabel::Effect::Shadow, QRect(24, 12, 260, 36), Qt::AlignLeft | Qt::AlignVCenter);
    addPrompt(QStringLiteral("Prime Factor Finder"), pixelFont(QStringLiteral("Arial"), 19), QRect(24, 50, 260, 26),
              QColor(0xFF, 0x00, 0x80));

    addPrompt(QStringLiteral("Number to Factor"), pixelFont(QStringLiteral("Arial"), 13, true),
              QRect(24, 96, 150, 20), Qt::blue);

    editNumber = new QLineEdit(this);
    editNumber->setObjectName(QStringLiteral("editNumber"));
    editNumber->setFont(arial);
    editNumber->setMaxLength(PrimeFactoringMaxLength);
    editNumber->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,7}")), editNumber));
    editNumber->setGeometry(24, 118, 120, 24);
    // Enter moves on to the next control rather than pressing a button.
    connect(editNumber, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });

    btnFindFactors = makeButton(QStringLiteral("Factor It"), this);
    btnFindFactors->setObjectName(QStringLiteral("btnFindFactors"));
    btnFindFactors->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    setButtonColors(btnFindFactors, QColor(0xEA, 0xD8, 0xBF), Qt::red);
    btnFindFactors->setGeometry(160, 116, 96, 28);
    connect(btnFindFactors, &QPushButton::clicked, this, &TfrmReferencePrimeFactoring::btnFindFactorsClick);

    addPrompt(QStringLiteral("Factors"), pixelFont(QStringLiteral("Arial"), 13, true), QRect(24, 160, 100, 20));

    lblFactors = new QLabel(QStringLiteral("1"), this);
    lblFactors->setObjectName(QStringLiteral("lblFactors"));
    lblFactors->setFont(pixelFont(QStringLiteral("Arial"), 15, true));
    lblFactors->setStyleSheet(QStringLiteral("color: #FF0080"));
    lblFactors->setWordWrap(true);
    lblFactors->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblFactors->setGeometry(24, 182, 330, 66);

    auto* tree = new QLabel(this);
    tree->setObjectName(QStringLiteral("imgFactorTree"));
    tree->setGeometry(380, 14, 190, 150);
    tree->setPixmap(factorTreePicture(tree->size()));
    auto* grid = new QLabel(this);
    grid->setPixmap(primeGridPicture());
    grid->setGeometry(390, 180, 171, 171);

    auto* verse = new QLabel(QStringLiteral("Every number, large or small,\n"
                                            "is built from primes, and that is all.\n"
                                            "Divide by two, by three, by five,\n"
                                            "and keep the quotient well alive;\n"
                                            "when nothing more will split in two,\n"
                                            "the primes you found belong to you."),
                             this);
    verse->setFont(pixelFont(QStringLiteral("Times New Roman"), 14, false));
    verse->setStyleSheet(QStringLiteral("color: #804000; font-style: italic"));
    verse->setGeometry(24, 256, 340, 110);

    auto* link = makeLinkLabel(QStringLiteral("Visit Tallyvale"), QStringLiteral("https://tallyvale.example/"), this);
    link->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    link->setGeometry(24, 372, 150, 22);

    fixSizeAndCentre(this, 592, 406);
}

void TfrmReferencePrimeFactoring::FormActivate()
{
    editNumber->setFocus();
}

void TfrmReferencePrimeFactoring::btnFindFactorsClick()
{
    // A bad entry throws before anything changes, so the label keeps its text.
    const QString result = primeFactoringResult(editNumber->text());
    FactorText.clear();
    FactorText = result;
    lblFactors->setText(FactorText);
}

} // namespace tv
