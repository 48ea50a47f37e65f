#pragma once
// Divisor Game: tick every listed divisor of a number below 150, or "Prime"
// for a prime; ten answers against a 3-second timer.
#include "recreations/drills/DrillGames.h"

#include <array>

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace tv::drills {

class RaisedTitle;
class ScoreMeter;

class TfrmDivisorGame : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDivisorGame(QWidget* parent = nullptr, RandomBelow random = {});

    const DivisorDrill& game() const { return game_; }

    QLabel* lblTitle;
    QLabel* lblInstruction;
    QLabel* pnlNumber;
    QGroupBox* grpDivisors;
    QCheckBox* cbPrime;
    std::array<QCheckBox*, DivisorBoxes.size()> cbDivisor; // "2", "3", "5", "7", "11"
    QPushButton* btnCheck;
    QPushButton* btnNext;
    QLabel* lblCorrect;
    QLabel* lblNumCorrect;
    QLabel* lblWrong;
    QLabel* lblNumWrong;
    QLabel* imgRight;
    QLabel* imgWrong;
    ScoreMeter* meter;
    QTimer* Timer1;

public slots:
    void btnCheckClick();
    void btnNextClick();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DivisorAnswer answer() const;
    void clearBoxes();

    DivisorDrill game_;
    bool centred_ = false;
};

} // namespace tv::drills
