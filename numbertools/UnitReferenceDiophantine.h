#pragma once
// Diophantine Solver: integer solutions of A*x + B*y = C in a parameter k.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TfrmReferenceDiophantine : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmReferenceDiophantine(QWidget* parent = nullptr);

    QLineEdit* editX;
    QLineEdit* editY;
    QLineEdit* editZ;
    QPushButton* btnSolve;
    QLabel* generalX;
    QLabel* generalY;
    QLabel* lblWarning;
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
    void btnSolveClick();
};

} // namespace tv
