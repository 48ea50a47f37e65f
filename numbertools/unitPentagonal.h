#pragma once
// Pentagonal numbers n·(3n − 1)/2 for n = 1 to 500.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tv {

class SequenceTableView;

class TfrmPentagonal : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmPentagonal(QWidget* parent = nullptr);

    QLabel* lblTitle;
    SequenceTableView* ValueListEditor1;
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
};

} // namespace tv
