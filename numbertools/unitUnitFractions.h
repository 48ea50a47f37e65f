#pragma once
// Egyptian unit fractions: 1/a = 1/(a + 1) + 1/(a·(a + 1)).
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TfrmUnitFractions : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmUnitFractions(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLineEdit* editNumerator; // the read-only "1" over a
    QLineEdit* editDenominator;
    QLabel* lblDenominator1;
    QLabel* lblDenominator2;
    QPushButton* NAGButton1;
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
    void NAGButton1Click();
};

} // namespace tv
