#pragma once
// Fraction Calculator: adds, subtracts, multiplies or divides two whole
// numbers, fractions or mixed numbers and shows a mixed number in lowest
// terms.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tv {

class TfrmFractionCalc : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmFractionCalc(QWidget* parent = nullptr);

    QLabel* lbltitle;
    QLabel* lblInstructions;
    QLineEdit* editFirst;
    QLineEdit* editSecond;
    QRadioButton* rbAdd;
    QRadioButton* rbSubtract;
    QRadioButton* rbMultiply;
    QRadioButton* rbDivide;
    QLabel* lblEquals;
    QLineEdit* editAnswer;
    QPushButton* btnFindAnswer;
    QPushButton* btnExit;

    static const QString InstructionText;

public slots:
    void FormActivate() override;
    void btnFindAnswerClick();
};

} // namespace tv
