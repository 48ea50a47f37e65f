#pragma once
// Powers of two from 2^1 to 2^200, every digit, in a scrolling text.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tv {

class TfrmPowerOfTwo : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmPowerOfTwo(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QPlainTextEdit* Memo1;
    QPushButton* btnExit;
};

} // namespace tv
