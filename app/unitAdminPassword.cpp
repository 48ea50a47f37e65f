#include "app/unitAdminPassword.h"

#include "ui/Components.h"

#include <QLineEdit>

namespace tv {

const QString TfrmAdminPassword::password = QStringLiteral("marigold");

TfrmAdminPassword::TfrmAdminPassword(QWidget* parent, bool& adminSignedOn)
    : QDialog(parent), adminSignedOn_(adminSignedOn)
{
    setObjectName(QStringLiteral("frmAdminPassword"));
    setWindowTitle(QStringLiteral("Password Entry"));
    setFixedSize(232, 121);
    setModal(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xFF, 0x00, 0x80));
    setPalette(p);
    setAutoFillBackground(true);

    editPassWord = new QLineEdit(this);
    editPassWord->setObjectName(QStringLiteral("editPassWord"));
    editPassWord->setGeometry(52, 24, 129, 23);
    editPassWord->setStyleSheet(QStringLiteral("QLineEdit { background: #FFFF80; color: #FF0080; }"));

    NAGButton1 = new NagButton(QStringLiteral("Exit"), QColor(0xFF, 0xFF, 0x80),
                               QColor(0xFF, 0x00, 0x80), this);
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));
    NAGButton1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 19));
    NAGButton1->setGeometry(76, 66, 80, 32);
    NAGButton1->setAutoDefault(false);
    connect(NAGButton1, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAdminPassword::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The dialog is reused: without this it reopens on whatever had the focus
    // when it closed, usually "Exit".
    editPassWord->setFocus(Qt::OtherFocusReason);
}

void TfrmAdminPassword::done(int result)
{
    // However the dialog closes (Exit, close box, Escape).
    FormClose();
    QDialog::done(result);
}

void TfrmAdminPassword::FormClose() { adminSignedOn_ = editPassWord->text() == password; }

} // namespace tv
