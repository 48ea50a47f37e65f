#pragma once
// Fraction Calculator: adds, subtracts, multiplies or divides two whole
// numbers, fractions or mixed numbers and shows a mixed number in lowest
// terms.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tv {

class TfrmFractionCalc : public QDialog {
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
    void FormActivate();
    void btnFindAnswerClick();
    void btnExitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool activated_ = false;
};

} // namespace tv
