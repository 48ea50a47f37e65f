#pragma once
// The first 90 Fibonacci numbers (from 2) and the ratios of neighbours.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tv {

class SequenceTableView;

class TfrmFibonacci : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFibonacci(QWidget* parent = nullptr);

    QLabel* lblTitle;
    SequenceTableView* ValueListEditor1; // the numbers
    SequenceTableView* ValueListEditor2; // the ratios
    QPushButton* btnExit;

public slots:
    void FormActivate();
    void btnExitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool activated_ = false;
};

} // namespace tv
