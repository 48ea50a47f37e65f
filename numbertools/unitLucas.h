#pragma once
// Lucas numbers L1 to L100 with their prime factors, in a scrolling text.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace tv {

class TfrmLucas : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmLucas(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QPlainTextEdit* Memo1;
};

} // namespace tv
