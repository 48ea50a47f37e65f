#pragma once
// Fibonacci-like numbers from two chosen starting numbers, with the
// ratios of neighbours.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class SequenceTableView;

class TfrmFibonacciLike : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmFibonacciLike(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLineEdit* editFirst;
    QLineEdit* editSecond;
    QPushButton* NAGButton1;
    SequenceTableView* ValueListEditor1; // the numbers
    SequenceTableView* ValueListEditor2; // the ratios
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
    void NAGButton1Click();

private:
    void fillTables();
};

} // namespace tv
