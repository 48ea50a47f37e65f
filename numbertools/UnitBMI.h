#pragma once
// Body Mass Index: rates a weight in pounds for a height in feet and
// inches. Only the rating is shown, not the index.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TfrmBMICalc : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmBMICalc(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLabel* lblInstructions;
    QLineEdit* lblWeight;
    QLineEdit* lblHeightFeet;
    QLineEdit* lblHeightInches;
    QPushButton* btnCheckBMI;
    QLabel* NAGLabel1;
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
    void btnCheckBMIClick();
};

} // namespace tv
