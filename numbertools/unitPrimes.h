#pragma once
// The odd primes from 3 to 24481, seven to a line with their positions.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tv {

class TfrmPrimes : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmPrimes(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLabel* lblExplanation;
    QPlainTextEdit* Memo1;
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
};

} // namespace tv
