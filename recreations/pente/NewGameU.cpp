#include "ui/Components.h"
#include "recreations/pente/NewGameU.h"

#include "recreations/pente/PenteResources.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace tv::pente {

QPointer<TfrmNewGame> frmNewGame;

TfrmNewGame::TfrmNewGame(QWidget* parent) : QDialog(parent)
{
    initPenteResources();
    setObjectName(QStringLiteral("frmNewGame"));
    setWindowTitle(QStringLiteral("New Game"));
    setFixedSize(207, 125);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF9, 0xCF, 0x91));
    setPalette(pal);

    lblStyle = new QLabel(QStringLiteral("Game Style"), this);
    lblStyle->setObjectName(QStringLiteral("lblStyle"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    lblStyle->setFont(titleFont);
    QPalette red = lblStyle->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblStyle->setPalette(red);
    lblStyle->setGeometry(16, 12, 175, 18);

    cbStyle = new QComboBox(this);
    cbStyle->setObjectName(QStringLiteral("cbStyle"));
    cbStyle->addItem(QStringLiteral("Defensive"));
    cbStyle->addItem(QStringLiteral("DevensiveOfensive"));
    cbStyle->setGeometry(16, 34, 175, 24);

    btnOK = new QPushButton(QIcon(QStringLiteral(":/pente/check_green.svg")), QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setGeometry(16, 82, 82, 28);
    btnCancel = new QPushButton(QIcon(QStringLiteral(":/pente/cross_red.svg")), QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(109, 82, 82, 28);

    connect(btnOK, &QPushButton::clicked, this, &TfrmNewGame::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmNewGame::btnCancelClick);
}

bool TfrmNewGame::Execute()
{
    cbStyle->setCurrentIndex(0);
    return exec() == QDialog::Accepted;
}

void TfrmNewGame::showEvent(QShowEvent* event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmNewGame::btnOKClick()
{
    BoardSize = 19;
    LineSize = 5;
    accept();
}

void TfrmNewGame::btnCancelClick() { reject(); }

} // namespace tv::pente
