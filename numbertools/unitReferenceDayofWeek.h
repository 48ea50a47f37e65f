#pragma once
// Day of the Week finder: the weekday of a typed year, month and day.
#include "numbertools/ToolWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TfrmReferenceDayOfWeek : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TfrmReferenceDayOfWeek(QWidget* parent = nullptr);

    // The three entry boxes carry label names.
    QLineEdit* lblYear;
    QLineEdit* lblMonth;
    QLineEdit* lblDay;
    QPushButton* btnDayOfWeek;
    QLabel* NAGLabel1;
    QPushButton* btnExit;

public slots:
    void FormActivate() override;
    void btnDayOfWeekClick();
};

} // namespace tv
