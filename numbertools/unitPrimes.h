#pragma once
// The odd primes from 3 to 24481, seven to a line with their positions.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tv {

class TfrmPrimes : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPrimes(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLabel* lblExplanation;
    QPlainTextEdit* Memo1;
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
