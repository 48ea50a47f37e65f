#pragma once
// The first 90 Fibonacci numbers (from 2) and the ratios of neighbours.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tv {

class SequenceTableView;

class TfrmFibonacci : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmFibonacci(QWidget* parent = nullptr);

    QLabel* lblTitle;
    SequenceTableView* ValueListEditor1; // the numbers
    SequenceTableView* ValueListEditor2; // the ratios
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
};

} // namespace tv
