#pragma once
// A search for the first number up to 1000 with two given remainders.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TfrmChinese : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmChinese(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLineEdit* Edit1; // r1
    QLineEdit* Edit2; // m1
    QLineEdit* Edit3; // r2
    QLineEdit* Edit4; // m2
    QPushButton* Button1;
    QLabel* Label1;
    QPushButton* btnExit;

public slots:
    void Button1Click();
};

} // namespace tv
