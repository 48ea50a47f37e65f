#pragma once
// Series Logic Game ("Find The Missing Number"): two rows of six numbers,
// the lower made from the upper by one multiply-and-add rule, one of them
// hidden. Ten judged answers against a 4-second timer.
#include "recreations/drills/DrillGames.h"

#include <array>

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tv::drills {

class RaisedTitle;
class ScoreMeter;

class TfrmRecreationsSeriesGame : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRecreationsSeriesGame(QWidget* parent = nullptr, RandomBelow random = {});

    const SeriesDrill& game() const { return game_; }

    RaisedTitle* lblTitle;
    QLabel* lblExplanation;
    std::array<QLabel*, SeriesDrill::Columns> pnlA;
    std::array<QLabel*, SeriesDrill::Columns> pnlB;
    QLabel* lblMissing;
    QLineEdit* Edit1;
    QPushButton* btnCheck;
    QLabel* lblCorrect;
    QLabel* lblNumCorrect;
    QLabel* lblWrong;
    QLabel* lblNumWrong;
    QLabel* lblFinalScore;
    QLabel* lblFinalScoreValue;
    QLabel* imgRight;
    QLabel* imgWrong;
    ScoreMeter* meter;
    QTimer* Timer1;

public slots:
    void btnCheckClick();
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showProblem();

    SeriesDrill game_;
    bool centred_ = false;
};

} // namespace tv::drills
