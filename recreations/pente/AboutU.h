#pragma once
// The board window's About box. Created once at start-up and reused.
#include <QDialog>
#include <QPointer>

class QFrame;
class QLabel;
class QPushButton;

namespace tv::pente {

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    QFrame* pnlAbout;
    QLabel* lblTitle;
    QLabel* lblText;
    QPushButton* btnOK;

protected:
    void showEvent(QShowEvent* event) override;
};

extern QPointer<TfrmAbout> frmAbout;

} // namespace tv::pente
