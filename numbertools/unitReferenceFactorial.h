#pragma once
// Factorials: a table of n and n! for n = 1 to 20.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace tv {

class TfrmReferenceFindFactorials : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmReferenceFindFactorials(QWidget* parent = nullptr);

    QTableWidget* ValueListEditor1;
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
};

} // namespace tv
