#include "ui/Components.h"
#include "recreations/pente/AboutU.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace tv::pente {

QPointer<TfrmAbout> frmAbout;

namespace {
void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}
} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Tallyvale - Pente"));
    setFixedSize(394, 136);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, QColor(0xE2, 0xCE, 0xA9));

    pnlAbout = new QFrame(this);
    pnlAbout->setObjectName(QStringLiteral("pnlAbout"));
    pnlAbout->setFrameShape(QFrame::Panel);
    pnlAbout->setFrameShadow(QFrame::Raised);
    pnlAbout->setLineWidth(2);
    pnlAbout->setAutoFillBackground(true);
    setColour(pnlAbout, QPalette::Window, QColor(0xE7, 0xD6, 0xBC));
    pnlAbout->setGeometry(8, 8, 378, 88);

    lblTitle = new QLabel(QStringLiteral("Pente"), pnlAbout);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    setColour(lblTitle, QPalette::WindowText, Qt::red);
    lblTitle->setGeometry(12, 6, 354, 20);

    lblText = new QLabel(QStringLiteral("Tallyvale Pente\n\nPart of the Tallyvale Math System"), pnlAbout);
    lblText->setObjectName(QStringLiteral("lblText"));
    QFont textFont = lblText->font();
    textFont.setBold(true);
    lblText->setFont(textFont);
    setColour(lblText, QPalette::WindowText, QColor(0xFF, 0x00, 0x80));
    lblText->setGeometry(12, 30, 354, 52);
    lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setGeometry(159, 103, 75, 25);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}

} // namespace tv::pente
