#include "lessons/unitDivisibilityRules.h"

#include "lessons/unitDialog.h"
#include "sheets/RichDocument.h"
#include "ui/Components.h"
#include "ui/Errors.h"
#include "ui/MessageBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tv::lessons {

namespace {

constexpr int kClientWidth = 602 - 8;
constexpr int kClientHeight = 440 - 34;
const QColor kWindowColour(0xE0, 0xC0, 0xA0);
const QColor kDocumentColour(0xFD, 0xE4, 0xB3);
// Every message of this lesson, right or wrong, in the same two colours.
const QColor kBoxColour(0xBF, 0xDF, 0xFF);
const QColor kOkFace(0x00, 0xA3, 0xF0);

TextStyle textStyle(const char* name, int sizePt, const QColor& colour, bool bold = false, bool italic = false)
{
    TextStyle s;
    s.name = QString::fromLatin1(name);
    s.fontName = QStringLiteral("Arial");
    s.sizePt = sizePt;
    s.color = colour;
    s.bold = bold;
    s.italic = italic;
    return s;
}

TextStyle linkStyle(const char* name, int sizePt, const QColor& colour)
{
    TextStyle s = textStyle(name, sizePt, colour);
    s.underline = true;
    s.link = true;
    return s;
}

} // namespace

StyleTable divisibilityStyles()
{
    const QColor black(0, 0, 0), blue(0, 0, 0xFF), red(0xFF, 0, 0), maroon(0x80, 0, 0),
        navy(0, 0, 0x80), green(0, 0x80, 0);
    StyleTable t;
    t.text = {
        textStyle("Normal text", 12, black),
        textStyle("Heading", 32, blue, true),
        textStyle("Subheading", 16, red, true),
        textStyle("Keywords", 12, maroon, true, true),
        linkStyle("Jump 1", 12, navy),
        linkStyle("Jump 2", 10, green),
        textStyle("boldRed", 12, red, true),
        textStyle("boldBlue", 12, blue, true),
    };
    t.paragraphs = {
        {QStringLiteral("Paragraph Style"), ParaStyle::Align::Left, 0, 0},
        {QStringLiteral("Centered"), ParaStyle::Align::Centre, 0, 0},
    };
    return t;
}

TfrmDivisibilityRules::TfrmDivisibilityRules(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDivisibilityRules"));
    setWindowTitle(QStringLiteral("Tallyvale - Divisibility Rules - Mathematics for the Middle School"));
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kWindowColour);
    setPalette(p);

    lblTitle = new EffectLabel(QStringLiteral("Divisibility Rules"), pixelFont(QStringLiteral("Arial"), 37, true),
                               QColor(0, 0, 0xFF), EffectLabel::Effect::Lowered, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setGeometry(0, 4, kClientWidth, 44);

    NAGButton1 = new NagButton(QStringLiteral("Exit"), QColor(0xFF, 0, 0), QColor(0xFF, 0xFF, 0), this);
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));
    NAGButton1->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    NAGButton1->setGeometry(234, 50, 81, 27);
    NAGButton1->setAutoDefault(false);
    connect(NAGButton1, &QPushButton::clicked, this, &TfrmDivisibilityRules::NAGButton1Click);

    RV = new RichDocument(this);
    RV->setObjectName(QStringLiteral("RV"));
    RV->setGeometry(4, 86, 583, 313);
    RV->setBackgroundTile(QPixmap());
    RV->setBackgroundColor(kDocumentColour);
    connect(RV, &RichDocument::jump, this, &TfrmDivisibilityRules::RVJump);

    const auto radio = [this](const char* name, const QString& caption) {
        auto* b = new QRadioButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(pointFont(QStringLiteral("Arial"), 12, true));
        b->resize(b->sizeHint());
        b->hide(); // shown by the document at its place
        return b;
    };
    yes1 = radio("yes1", QStringLiteral("Yes"));
    no1 = radio("no1", QStringLiteral("No"));
    yes2 = radio("yes2", QStringLiteral("Yes"));
    no2 = radio("no2", QStringLiteral("No"));
    yes3 = radio("yes3", QStringLiteral("Yes"));
    no3 = radio("no3", QStringLiteral("No"));
    connect(yes1, &QRadioButton::clicked, this, &TfrmDivisibilityRules::yes1Click);
    connect(no1, &QRadioButton::clicked, this, &TfrmDivisibilityRules::no1Click);
    connect(yes2, &QRadioButton::clicked, this, &TfrmDivisibilityRules::yes2Click);
    connect(no2, &QRadioButton::clicked, this, &TfrmDivisibilityRules::no2Click);
    connect(yes3, &QRadioButton::clicked, this, &TfrmDivisibilityRules::yes3Click);
    connect(no3, &QRadioButton::clicked, this, &TfrmDivisibilityRules::no3Click);

    edit1 = new QLineEdit(this);
    edit1->setObjectName(QString::fromUtf16(kDigitEdit));
    edit1->setFont(pointFont(QStringLiteral("Arial"), 12));
    edit1->resize(31, edit1->sizeHint().height());
    edit1->hide();

    btn1 = new NagButton(QStringLiteral("Check"), QColor(0xDB, 0xB5, 0x8E), QColor(0xFF, 0xFF, 0), this);
    btn1->setObjectName(QString::fromUtf16(kCheckButton));
    btn1->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    btn1->resize(64, 25);
    btn1->setAutoDefault(false);
    btn1->hide();
    connect(btn1, &QPushButton::clicked, this, &TfrmDivisibilityRules::btn1Click);

    FormCreate();
}

QWidget* TfrmDivisibilityRules::controlNamed(const QString& name) const
{
    for (QWidget* w : {static_cast<QWidget*>(yes1), static_cast<QWidget*>(no1), static_cast<QWidget*>(yes2),
                       static_cast<QWidget*>(no2), static_cast<QWidget*>(yes3), static_cast<QWidget*>(no3),
                       static_cast<QWidget*>(edit1), static_cast<QWidget*>(btn1)})
        if (w->objectName() == name)
            return w;
    throw Error(QStringLiteral("The lesson has no control \"%1\"").arg(name));
}

void TfrmDivisibilityRules::FormCreate()
{
    RV->setStyleTable(divisibilityStyles());
    using K = LessonItem::Kind;
    for (const LessonItem& item : divisibilityDocument()) {
        const QString text = QString::fromUtf16(item.text);
        switch (item.kind) {
        case K::Text: RV->addText(text, item.style, item.para); break;
        case K::Link: RV->addTaggedText(text, item.style, item.para, QString::fromUtf16(item.tag)); break;
        case K::Anchor: RV->addCheckpoint(text); break;
        case K::Rule: RV->addLine(1, QColor(0, 0, 0)); break;
        case K::Control: RV->addControl(controlNamed(text), item.para, RichDocument::VAlign::Baseline); break;
        }
    }
    RV->formatDocument();
}

void TfrmDivisibilityRules::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

TinfoDialog* TfrmDivisibilityRules::infoBox()
{
    if (infoDialog)
        return infoDialog;
    // Built alone (without the program's start-up): a box of its own.
    if (!ownBox_)
        ownBox_ = new TinfoDialog(this);
    return ownBox_;
}

void TfrmDivisibilityRules::showReply(const Reply& reply)
{
    TinfoDialog* box = infoBox();
    box->lblDialog->setText(reply.message);
    box->setWindowTitle(reply.caption);
    box->setColours(kBoxColour, kOkFace);
    messageBoxes().showDialog(box);
}

void TfrmDivisibilityRules::RVJump(int linkNo)
{
    const QString tag = RV->itemTag(RV->linkItemNo(linkNo));
    if (const std::optional<Reply> definition = definitionFor(tag))
        showReply(*definition);
    else
        RV->scrollToCheckpoint(tag);
}

void TfrmDivisibilityRules::answer(const QString& button)
{
    showReply(answerReply(button));
    infoBox()->lblDialog->clear();
}

void TfrmDivisibilityRules::yes1Click() { answer(QStringLiteral("yes1")); }
void TfrmDivisibilityRules::no1Click() { answer(QStringLiteral("no1")); }
void TfrmDivisibilityRules::yes2Click() { answer(QStringLiteral("yes2")); }
void TfrmDivisibilityRules::no2Click() { answer(QStringLiteral("no2")); }
void TfrmDivisibilityRules::yes3Click() { answer(QStringLiteral("yes3")); }
void TfrmDivisibilityRules::no3Click() { answer(QStringLiteral("no3")); }

void TfrmDivisibilityRules::btn1Click()
{
    showReply(checkReply(edit1->text()));
    infoBox()->lblDialog->clear();
}

void TfrmDivisibilityRules::NAGButton1Click() { close(); }

} // namespace tv::lessons
