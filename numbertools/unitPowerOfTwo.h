#pragma once
// Powers of two from 2^1 to 2^200, every digit, in a scrolling text.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tv {

class TfrmPowerOfTwo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPowerOfTwo(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QPlainTextEdit* Memo1;
    QPushButton* btnExit;

public slots:
    void btnExitClick();
};

} // namespace tv
