#pragma once
// "Maximum Factors": the largest prime of each Magic Factors level. One
// instance is made at start-up and shown modally whenever asked for.
#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

namespace tv::factors {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* btnDone;

public slots:
    void btnDoneClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// The instance made at start-up; null before (and after its owner is gone).
extern QPointer<TForm2> Form2;

} // namespace tv::factors
