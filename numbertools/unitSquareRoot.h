#pragma once
// Square roots of every whole number in a chosen range.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class SequenceTableView;

class TfrmSquareRoot : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmSquareRoot(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLineEdit* editMin;
    QLineEdit* editMax;
    QPushButton* NAGButton1;
    SequenceTableView* ValueListEditor1;
    QLabel* lblExplanation;
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
    void NAGButton1Click();

private:
    void createTable();
};

} // namespace tv
