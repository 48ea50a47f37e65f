#pragma once
// The window of the Times Table and Addition games: two numbers, an answer
// box, "Check", the counts and the score meter, against a 2-second timer.
#include "recreations/drills/DrillGames.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tv::drills {

class RaisedTitle;
class ScoreMeter;

struct ArithmeticLook {
    QString caption;
    QString title;
    QColor background;
};

class ArithmeticDrillWindow : public QDialog {
    Q_OBJECT
public:
    ~ArithmeticDrillWindow() override;

    const ArithmeticDrill& game() const { return game_; }

    RaisedTitle* lblTitle;
    QLabel* pnlNumber1;
    QLabel* pnlSign;
    QLabel* pnlNumber2;
    QLabel* pnlEquals;
    QLineEdit* Edit1;
    QPushButton* btnCheck;
    QLabel* lblCorrect;
    QLabel* lblNumCorrect;
    QLabel* lblWrong;
    QLabel* lblNumWrong;
    QLabel* lblFinalScore;
    QLabel* lblFinalScoreValue;
    QLabel* lblScore; // hidden: the timer's score
    QLabel* imgRight;
    QLabel* imgWrong;
    ScoreMeter* meter;
    QTimer* Timer1;

public slots:
    void btnCheckClick();
    void Timer1Timer();

protected:
    ArithmeticDrillWindow(const ArithmeticRules& rules, const ArithmeticLook& look, QWidget* parent,
                          RandomBelow random);
    void showEvent(QShowEvent* event) override;

private:
    void focusChanged(QWidget* old, QWidget* now);
    void showProblem();
    void showCounts();
    void finish();

    ArithmeticDrill game_;
    bool centred_ = false;
};

} // namespace tv::drills
