#pragma once
// Prime Factor Finder: the prime factors of a number of up to seven digits.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TfrmReferencePrimeFactoring : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmReferencePrimeFactoring(QWidget* parent = nullptr);

    QLineEdit* editNumber;
    QPushButton* btnFindFactors;
    QLabel* lblFactors;

public slots:
    void FormActivate() override;
    void btnFindFactorsClick();
};

} // namespace tv
