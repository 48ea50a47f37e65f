#pragma once
// Pentagonal numbers n·(3n − 1)/2 for n = 1 to 500.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tv {

class SequenceTableView;

class TfrmPentagonal : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPentagonal(QWidget* parent = nullptr);

    QLabel* lblTitle;
    SequenceTableView* ValueListEditor1;
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
