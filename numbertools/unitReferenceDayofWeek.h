#pragma once
// Day of the Week finder: the weekday of a typed year, month and day.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TfrmReferenceDayOfWeek : public QDialog {
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
    void FormActivate();
    void btnDayOfWeekClick();
    void btnExitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool activated_ = false;
};

} // namespace tv
