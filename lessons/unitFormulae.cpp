#include "lessons/unitFormulae.h"

#include "lessons/FormulaPictures.h"
#include "sheets/RichDocument.h"
#include "sheets/SheetPicture.h"
#include "ui/Components.h"

#include <QFrame>
#include <QPushButton>

#include <iterator>

// The figures are compiled into this static library; a reference keeps the
// linker from dropping them.
static void initLessonPictures() { Q_INIT_RESOURCE(lessons); }

namespace tv::lessons {

namespace {

constexpr int kClientWidth = 619 - 8;
constexpr int kClientHeight = 456 - 34;
const QColor kWindowColour(0xFF, 0xE1, 0xAA);
const QColor kPanelColour(0xCF, 0xA9, 0x7E);
const QColor kDocumentColour(0xFD, 0xEA, 0xC1);
const QString kBlankLine = QStringLiteral("   ");

constexpr FormulaSection kSections[] = {
    {u"Area of A Rectangle:", "imgFormulaAreaRectangle", "imgRectangle", ":/lessons/rectangle.svg", 275, 143},
    {u"Area of A Circle:", "imgFormulaAreaCircle", "imgCircle", ":/lessons/circle.svg", 265, 241},
    {u"Area of A Right Triangle:", "imgFormulaAreaRightTriangle", "imgRightTriangle", ":/lessons/right-triangle.svg",
     177, 229},
    {u"Heron's Formula for Area of A Triangle:", "imgHeronsFormula", "imgTriangle", ":/lessons/triangle.svg", 179, 133},
    {u"Area of a Parallelogram:", "imgFormulaParallelogram", "imgParallelogram", ":/lessons/parallelogram.svg", 309,
     163},
    {u"Area of a Trapezoid:", "imgFormulaTrapezoid", nullptr, nullptr, 0, 0},
};

TextStyle fontStyle(int sizePt, const QColor& colour, bool bold = false, bool underline = false)
{
    TextStyle s;
    s.name = QStringLiteral("Font Style");
    s.fontName = QStringLiteral("Arial");
    s.sizePt = sizePt;
    s.color = colour;
    s.bold = bold;
    s.underline = underline;
    return s;
}

} // namespace

const FormulaSection* formulaSections(int* count)
{
    if (count)
        *count = static_cast<int>(std::size(kSections));
    return kSections;
}

StyleTable formulaeStyles()
{
    const QColor black(0, 0, 0), blue(0, 0, 0xFF), maroon(0x80, 0, 0);
    StyleTable t;
    t.text = {
        fontStyle(12, black),
        fontStyle(18, blue, true),
        fontStyle(14, maroon, true),
        fontStyle(12, maroon, true),
        fontStyle(12, blue, false, true),
        fontStyle(12, blue, false, true),
    };
    t.paragraphs = {
        {QStringLiteral("Paragraph Style"), ParaStyle::Align::Left, 0, 0},
        {QStringLiteral("Centered"), ParaStyle::Align::Centre, 0, 0},
    };
    return t;
}

TfrmFormulae::TfrmFormulae(QWidget* parent) : QDialog(parent)
{
    initLessonPictures();
    setObjectName(QStringLiteral("frmFormulae"));
    setWindowTitle(QStringLiteral("Tallyvale - Mathematics Formulae"));
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kWindowColour);
    setPalette(p);

    lblTitle = new EffectLabel(QStringLiteral("Mathematical Formulas"), pixelFont(QStringLiteral("Arial"), 37, true),
                               QColor(0, 0, 0xFF), EffectLabel::Effect::Lowered, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setGeometry(0, 2, kClientWidth, 44);

    NAGButton1 = new NagButton(QStringLiteral("Exit"), QColor(0xFF, 0, 0), QColor(0xFF, 0xFF, 0), this);
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));
    NAGButton1->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    NAGButton1->setGeometry(252, 46, 87, 27);
    NAGButton1->setAutoDefault(false);
    connect(NAGButton1, &QPushButton::clicked, this, &TfrmFormulae::NAGButton1Click);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 76, 593, 315);
    Panel1->setAutoFillBackground(true);
    QPalette pp = Panel1->palette();
    pp.setColor(QPalette::Window, kPanelColour);
    Panel1->setPalette(pp);

    constexpr int kBorder = 4;
    RichView = new RichDocument(Panel1);
    RichView->setObjectName(QStringLiteral("RichView"));
    RichView->setGeometry(kBorder, kBorder, 593 - 2 * kBorder, 315 - 2 * kBorder);
    RichView->setBackgroundTile(QPixmap());
    RichView->setBackgroundColor(kDocumentColour);

    NAGButton2 = new QPushButton(QStringLiteral("Return To Top"), this);
    NAGButton2->setObjectName(QStringLiteral("NAGButton2"));
    NAGButton2->setGeometry(234, 394, 87, 27);
    NAGButton2->setAutoDefault(false);

    FormCreate();
}

void TfrmFormulae::FormCreate()
{
    RichView->setStyleTable(formulaeStyles());
    RichView->addText(QStringLiteral("Mathematics Formulae"), 1, 1);
    for (int i = 0; i < 7; ++i)
        RichView->addText(kBlankLine, 0, 0);
    const auto addPicture = [this](SheetPicture* picture, const char* name) {
        picture->setObjectName(QLatin1String(name));
        RichView->addControl(picture, 1, RichDocument::VAlign::Baseline);
    };
    for (const FormulaSection& s : kSections) {
        RichView->addLine(1, QColor(0, 0, 0));
        RichView->addText(QString::fromUtf16(s.heading), 2, 0);
        addPicture(new SheetPicture(drawFormulaPicture(QLatin1String(s.formula)), PictureKind::Still), s.formula);
        if (!s.figure)
            continue;
        addPicture(new SheetPicture(QLatin1String(s.figureSource), QSize(s.figureWidth, s.figureHeight)), s.figure);
        for (int i = 0; i < 4; ++i)
            RichView->addText(kBlankLine, 0, 0);
    }
    for (int i = 0; i < 11; ++i)
        RichView->addText(kBlankLine, 0, 0);
    RichView->formatDocument();
}

SheetPicture* TfrmFormulae::picture(const QString& name) const
{
    for (QWidget* c : RichView->controls())
        if (c->objectName() == name)
            return qobject_cast<SheetPicture*>(c);
    return nullptr;
}

void TfrmFormulae::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

void TfrmFormulae::NAGButton1Click() { close(); }

} // namespace tv::lessons
