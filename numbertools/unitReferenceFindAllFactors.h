#pragma once
// Find All Factors: every divisor of a number of up to nine digits, and
// how many there are.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace tv {

class TfrmReferenceFindAllFactors : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmReferenceFindAllFactors(QWidget* parent = nullptr);

    QLineEdit* editNumber;
    QPushButton* btnFindFactors;
    QLabel* lblFactors;
    QLabel* lblNbrFactors;
    QPushButton* btnExit;
    // Holds lblFactors so a long list scrolls instead of running off the window.
    QScrollArea* factorsArea;

public slots:
    void FormActivate() override;
    void btnFindFactorsClick();
};

} // namespace tv
