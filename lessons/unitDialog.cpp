#include "lessons/unitDialog.h"

#include "ui/Components.h"

#include <QFrame>
#include <QLabel>

namespace tv::lessons {

QPointer<TinfoDialog> infoDialog;

namespace {
constexpr int kClientWidth = 384;
constexpr int kClientHeight = 268;
} // namespace

TinfoDialog::TinfoDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("infoDialog"));
    setWindowTitle(QStringLiteral("Dialog"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Bevel1"));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(1);
    frame->setGeometry(6, 12, 369, 223);

    lblDialog = new QLabel(this);
    lblDialog->setObjectName(QStringLiteral("lblDialog"));
    lblDialog->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    lblDialog->setWordWrap(true);
    lblDialog->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Exactly as wide as the message may be; tall enough for the frame.
    lblDialog->setGeometry(12, 20, 353, 209);

    OKBtn = new NagButton(QStringLiteral("OK"), QColor(0xFF, 0xA4, 0x48), QColor(0xFF, 0, 0), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    OKBtn->setGeometry(142, 238, 100, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TinfoDialog::OKBtnClick);

    setColours(QColor(0xFE, 0xEA, 0xC0), QColor(0xFF, 0xA4, 0x48));
}

void TinfoDialog::setColours(const QColor& background, const QColor& okFace)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    OKBtn->setColors(okFace, OKBtn->captionColor());
}

QColor TinfoDialog::background() const { return palette().color(QPalette::Window); }
QColor TinfoDialog::okFace() const { return OKBtn->faceColor(); }

void TinfoDialog::OKBtnClick() { accept(); }

void TinfoDialog::showEvent(QShowEvent* event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}

} // namespace tv::lessons
