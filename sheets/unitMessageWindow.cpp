#include "sheets/unitMessageWindow.h"

#include "sheets/RichDocument.h"
#include "ui/Components.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace tv {

namespace {

// Window sizes are given as outer sizes; the client area leaves room for a
// 4 px frame on three sides and a 30 px caption bar.
constexpr int kClientWidth = 459 - 8;
constexpr int kClientHeight = 315 - 34;
constexpr int kDocumentHeight = 217;

TextStyle messageStyle(const char* name, const QColor& colour)
{
    TextStyle s;
    s.name = QString::fromLatin1(name);
    s.fontName = QStringLiteral("Arial");
    s.sizePt = 10;
    s.color = colour;
    return s;
}

} // namespace

TfrmMessageWindow::TfrmMessageWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("frmMessageWindow"));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(false);

    lblTitle = new EffectLabel(QStringLiteral("Message Window"), EffectLabel::Effect::Lowered, this);
    lblTitle->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 24, true));
    QPalette tp = lblTitle->palette();
    tp.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0xFF));
    lblTitle->setPalette(tp);
    lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTitle->setGeometry(0, 0, kClientWidth, 29);

    btnOK = new NagButton(QStringLiteral("OK"), QColor(0x00, 0x80, 0xFF), QColor(0xFF, 0xFF, 0x80),
                          this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(192, 32, 75, 25);
    btnOK->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    btnOK->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &TfrmMessageWindow::btnOKClick);

    RVMessage = new RichDocument(this);
    RVMessage->setObjectName(QStringLiteral("RVMessage"));
    RVMessage->setStyleTable(messageStyles());
    RVMessage->setBackgroundColor(QColor(0xFE, 0xEB, 0xC7));
    RVMessage->setBackgroundTile(QPixmap());
    RVMessage->setGeometry(0, kClientHeight - kDocumentHeight, kClientWidth, kDocumentHeight);
}

StyleTable TfrmMessageWindow::messageStyles()
{
    const QColor black(0, 0, 0), blue(0, 0, 0xFF), navy(0, 0, 0x80), maroon(0x80, 0, 0),
        green(0, 0x80, 0);
    StyleTable t;
    TextStyle heading = messageStyle("Heading", blue);
    heading.bold = true;
    TextStyle sub = messageStyle("Subheading", navy);
    sub.bold = true;
    TextStyle keywords = messageStyle("Keywords", maroon);
    keywords.italic = true;
    TextStyle jump1 = messageStyle("Jump 1", green);
    jump1.underline = true;
    jump1.link = true;
    TextStyle jump2 = jump1;
    jump2.name = QStringLiteral("Jump 2");
    t.text = {messageStyle("Normal text", black), heading, sub, keywords, jump1, jump2};
    const auto sheetParas = StyleTable::sheetParagraphs();
    t.paragraphs = {sheetParas.at(0), sheetParas.at(1)};
    return t;
}

bool TfrmMessageWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        emit activated();
    return QDialog::event(e);
}

void TfrmMessageWindow::showEvent(QShowEvent* e)
{
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
    }
    QDialog::showEvent(e);
}

void TfrmMessageWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xE8, 0xDB, 0xB5));
}

void TfrmMessageWindow::btnOKClick()
{
    close();
}

} // namespace tv
