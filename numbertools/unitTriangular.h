#pragma once
// Triangular numbers: a short lesson on 1 + 2 + ... + n = n·(n + 1)/2
// beside a triangle of dots.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tv {

class TfrmTriangular : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTriangular(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QPlainTextEdit* Memo1;
    QWidget* Image1; // the dot triangle
    QPushButton* btnExit;

    static QString lessonText();

public slots:
    void FormActivate();
    void btnExitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool activated_ = false;
};

} // namespace tv
