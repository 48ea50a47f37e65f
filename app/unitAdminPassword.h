#pragma once
// The administrator's sign-on: a fixed password typed in clear.
#include <QDialog>

class QLineEdit;

namespace tv {

class NagButton;

class TfrmAdminPassword : public QDialog {
    Q_OBJECT
public:
    // `adminSignedOn` is re-evaluated every time the dialog closes.
    TfrmAdminPassword(QWidget* parent, bool& adminSignedOn);

    QLineEdit* editPassWord;
    NagButton* NAGButton1;

    static const QString password;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormClose();
    bool& adminSignedOn_;
};

} // namespace tv
