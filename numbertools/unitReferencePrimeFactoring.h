#pragma once
// Prime Factor Finder: the prime factors of a number of up to seven digits.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TfrmReferencePrimeFactoring : public QDialog {
    Q_OBJECT
public:
    explicit TfrmReferencePrimeFactoring(QWidget* parent = nullptr);

    QLineEdit* editNumber;
    QPushButton* btnFindFactors;
    QLabel* lblFactors;

public slots:
    void FormActivate();
    void btnFindFactorsClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool activated_ = false;
};

} // namespace tv
