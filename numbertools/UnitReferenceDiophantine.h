#pragma once
// Diophantine Solver: integer solutions of A*x + B*y = C in a parameter k.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TfrmReferenceDiophantine : public QDialog {
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
    void FormActivate();
    void btnSolveClick();
    void btnExitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool activated_ = false;
};

} // namespace tv
