#pragma once
// Triangular numbers: a short lesson on 1 + 2 + ... + n = n·(n + 1)/2
// beside a triangle of dots.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tv {

class TfrmTriangular : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmTriangular(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QPlainTextEdit* Memo1;
    QWidget* Image1; // the dot triangle
    QPushButton* btnExit;

    static QString lessonText();

public slots:
    void FormActivate() override;
};

} // namespace tv
