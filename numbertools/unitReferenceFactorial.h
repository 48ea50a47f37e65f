#pragma once
// Factorials: a table of n and n! for n = 1 to 20.
#include <QDialog>

class QPushButton;
class QTableWidget;

namespace tv {

class TfrmReferenceFindFactorials : public QDialog {
    Q_OBJECT
public:
    explicit TfrmReferenceFindFactorials(QWidget* parent = nullptr);

    QTableWidget* ValueListEditor1;
    QPushButton* btnExit;

public slots:
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool activated_ = false;
};

} // namespace tv
