#pragma once
// Large Factorials: the exact value of n! for n from 1 to 999, digits
// grouped in threes, with its digit count.
#include <cstdint>

#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tv {

class TfrmReferenceLargeFactorials : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmReferenceLargeFactorials(QWidget* parent = nullptr);

    // The number box and its spin arrows in one control (1..999, no wrap).
    QSpinBox* UpDown1;
    QPushButton* ComputeBtn;
    QPushButton* NAGButton1;
    QPlainTextEdit* Factout;
    QLabel* lblNumberDigits;

    void ShowLargeFactorial(std::int32_t n);

public slots:
    void FormActivate() override;
    void ComputeBtnClick();
};

} // namespace tv
