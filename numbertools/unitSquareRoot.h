#pragma once
// Square roots of every whole number in a chosen range.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class SequenceTableView;

class TfrmSquareRoot : public QDialog {
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
    void FormActivate();
    void NAGButton1Click();
    void btnExitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createTable();
    bool activated_ = false;
};

} // namespace tv
