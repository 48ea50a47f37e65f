#include "lessons/unitReferenceDefinitions.h"

#include "lessons/GlossaryContent.h"
#include "sheets/RichDocument.h"
#include "sheets/SheetPicture.h"
#include "ui/Components.h"

#include <QFrame>

// The illustrations are compiled into this static library; a reference keeps
// the linker from dropping them.
static void initGlossaryPictures() { Q_INIT_RESOURCE(glossary); }

namespace tv {

namespace {

const QString kBlankLine = QStringLiteral("   ");
const QString kTopOfPage = QStringLiteral("Top Of Page");
const QString kExamplePrefix = QStringLiteral("Example: ");

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

void addLines(RichDocument& doc, const char16_t* markup, int baseStyle, const QString& prefix = QString())
{
    if (!markup)
        return;
    bool first = true;
    for (const glossary::Line& line : glossary::lines(markup, baseStyle)) {
        int mode = 0;
        if (first && !prefix.isEmpty()) {
            doc.addText(prefix, baseStyle, mode);
            mode = kContinueParagraph;
        }
        first = false;
        for (const glossary::Run& run : line) {
            doc.addText(run.text, run.style, mode);
            mode = kContinueParagraph;
        }
    }
}

} // namespace

StyleTable TfrmReferenceDefinitions::RVStyle1()
{
    const QColor black(0, 0, 0), blue(0, 0, 0xFF), maroon(0x80, 0, 0), red(0xFF, 0, 0);
    const auto style = [](const char* font, int size, const QColor& colour) {
        TextStyle s;
        s.name = QStringLiteral("Font Style");
        s.fontName = QString::fromLatin1(font);
        s.sizePt = size;
        s.color = colour;
        return s;
    };
    StyleTable t;
    t.text.resize(12);
    t.text[0] = style("Times New Roman", 12, black);
    t.text[1] = style("Arial", 20, blue);
    t.text[1].bold = true;
    t.text[2] = style("Arial", 14, maroon);
    t.text[2].bold = true;
    t.text[3] = style("Arial", 10, maroon);
    t.text[3].italic = true;
    t.text[4] = style("Arial", 10, blue);
    t.text[4].underline = true;
    t.text[4].link = true;
    t.text[5] = style("Arial", 10, blue);
    t.text[5].underline = true;
    t.text[6] = style("Arial", 12, red);
    t.text[6].bold = true;
    t.text[7] = style("Arial", 12, black);
    t.text[7].bold = true;
    t.text[8] = style("Symbol", 12, black);
    t.text[8].greek = true;
    t.text[9] = style("Arial", 12, black);
    t.text[10] = style("Arial", 12, black);
    t.text[10].italic = true;
    t.text[11] = style("Symbol", 12, red);
    t.text[11].bold = true;
    t.text[11].greek = true;
    const std::vector<ParaStyle> sheet = StyleTable::sheetParagraphs();
    t.paragraphs = {sheet[0], sheet[1]};
    return t;
}

TfrmReferenceDefinitions::TfrmReferenceDefinitions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReferenceDefinitions"));
    setWindowTitle(QStringLiteral("Tallyvale  -  Mathematics Definitions"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(597, 434);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, QColor(0xFD, 0xE6, 0xB5));

    lblTitle = new EffectLabel(QStringLiteral("Definitions"), pixelFont(QStringLiteral("Arial"), 35, true),
                               Qt::blue, EffectLabel::Effect::Lowered, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setGeometry(0, 0, 597, 40);

    NAGButton2 = new NagButton(QStringLiteral("Return to Top"), QColor(0xC9, 0x89, 0x05), Qt::yellow, this);
    NAGButton2->setObjectName(QStringLiteral("NAGButton2"));
    NAGButton2->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    NAGButton2->setGeometry(226, 40, 115, 25);
    NAGButton2->setAutoDefault(false);
    connect(NAGButton2, &QPushButton::clicked, this, &TfrmReferenceDefinitions::NAGButton2Click);

    panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    // The panel's own colour shows as a 4 px border round the view (a
    // bevel would paint in the style's grey instead).
    panel->setFrameStyle(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    setColour(panel, QPalette::Window, QColor(0xD8, 0xC2, 0x9C));
    panel->setGeometry(4, 70, 589, 333);

    RichView1 = new RichDocument(panel);
    RichView1->setObjectName(QStringLiteral("RichView1"));
    RichView1->setGeometry(4, 4, 589 - 8, 333 - 8);
    connect(RichView1, &RichDocument::jump, this, &TfrmReferenceDefinitions::RichView1Jump);

    NAGButton1 = new NagButton(QStringLiteral("Exit"), Qt::red, Qt::yellow, this);
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));
    NAGButton1->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    NAGButton1->setGeometry(254, 406, 73, 25);
    NAGButton1->setAutoDefault(false);
    connect(NAGButton1, &QPushButton::clicked, this, &QDialog::close);

    FormCreate();
}

void TfrmReferenceDefinitions::FormCreate()
{
    initGlossaryPictures();
    RichDocument& doc = *RichView1;
    doc.setStyleTable(RVStyle1());
    doc.setBackgroundTile(QPixmap());
    doc.setBackgroundColor(QColor(0xFE, 0xEC, 0xB4));
    const QColor textColour = doc.styleTable().text[glossary::DefinitionText].color;

    doc.addCheckpoint(kTopOfPage);
    doc.addText(kBlankLine, glossary::DefinitionText, 0);
    doc.addText(QStringLiteral("Mathematics Definitions"), glossary::DocumentTitle, 1);
    for (int i = 0; i < 2; ++i)
        doc.addText(kBlankLine, glossary::DefinitionText, 0);

    const auto entries = glossary::entries();
    for (const glossary::Entry& e : entries) {
        const QString term = QString::fromUtf16(e.term);
        doc.addText(kBlankLine, glossary::DefinitionText, 0);
        doc.addTaggedText(term, glossary::IndexEntry, kContinueParagraph, term);
    }
    for (int i = 0; i < 2; ++i)
        doc.addText(kBlankLine, glossary::DefinitionText, 0);

    for (const glossary::Entry& e : entries) {
        doc.addCheckpoint(QString::fromUtf16(e.term));
        doc.addLine(1, textColour);
        doc.addText(glossary::heading(e), glossary::TermHeading, 0);
        addLines(doc, e.definition, glossary::DefinitionText);
        addLines(doc, e.example, glossary::ExampleText, kExamplePrefix);
        addLines(doc, e.note, glossary::DefinitionText);
        for (const QString& resource : glossary::illustrations(e)) {
            auto* image = new SheetPicture(resource, QSize());
            image->setObjectName(QStringLiteral("Image%1").arg(images.size() + 1));
            images.push_back(image);
            // a blank line keeps a picture clear of the text and of a second picture
            doc.addText(kBlankLine, glossary::DefinitionText, 0);
            doc.addControl(image, 1, RichDocument::VAlign::Baseline);
        }
        for (int i = 0; i < 2; ++i)
            doc.addText(kBlankLine, glossary::DefinitionText, 0);
    }
    doc.formatDocument();
}

void TfrmReferenceDefinitions::showEvent(QShowEvent* event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmReferenceDefinitions::RichView1Jump(int linkNo)
{
    RichView1->scrollToCheckpoint(linkNo + 1);
}

void TfrmReferenceDefinitions::NAGButton2Click()
{
    RichView1->scrollToCheckpoint(0);
}

} // namespace tv
