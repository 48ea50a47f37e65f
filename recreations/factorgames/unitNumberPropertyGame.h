#pragma once
// Number Property Game: is the number shown odd or even, prime or composite?
// A one-second timer makes the score sink; ten right answers end the game.
#include "recreations/drills/DrillGames.h"
#include "recreations/factorgames/NumberPropertyGame.h"

#include <functional>

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tv::drills {
class ScoreMeter;
}

namespace tv::factors {

class TfrmNumberPropertyGame : public QDialog {
    Q_OBJECT
public:
    // Tests fix the digits drawn and leave the generator's seed alone.
    explicit TfrmNumberPropertyGame(QWidget* parent = nullptr, drills::RandomBelow random = {},
                                    std::function<void()> reseed = {});

    const NumberPropertyGame& game() const { return game_; }

    QLabel* lblTitle;
    QLabel* lblTens;
    QLabel* lblOnes;
    QGroupBox* grpParity;
    QRadioButton* rbOdd;
    QRadioButton* rbEven;
    QGroupBox* grpKind;
    QRadioButton* rbPrime;
    QRadioButton* rbComposite;
    QPushButton* btnCheck;
    QPushButton* btnRestart;
    QPushButton* btnExit;
    QLabel* lblCorrect;
    QLabel* lblNumCorrect;
    QLabel* lblWrong;
    QLabel* lblNumWrong;
    QLabel* lblScoreCaption;
    QLabel* lblScore;
    QLabel* lblFinalScore;
    QLabel* lblFinalScoreValue;
    QLabel* imgRight;
    QLabel* imgWrong;
    drills::ScoreMeter* meter;
    QTimer* Timer1;

public slots:
    void FormActivate();
    void btnCheckClick();
    void btnRestartClick();
    void btnExitClick();
    void Timer1Timer();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showDigits();
    void showCounts();

    NumberPropertyGame game_;
    bool activated_ = false;
    bool centred_ = false;
};

} // namespace tv::factors
