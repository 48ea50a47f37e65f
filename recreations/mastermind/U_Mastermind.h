#pragma once
// The guessing game's window: the student guesses the computer's secret, or
// the computer guesses the student's. Waiting for the student is a state
// the buttons move on from; the computer's one-second pause after scoring
// itself is a timer, so the window answers at every moment.
#include "recreations/mastermind/MastermindDialogs.h"
#include "recreations/mastermind/MastermindLogic.h"

#include <array>
#include <functional>

#include <QDialog>
#include <QTimer>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tv {
class EffectLabel;
}

namespace tv::mastermind {

class TPegStrip;

// The board: ten guess rows of four large holes and a 2x2 block of small
// score holes, drawn from the game and from the holes the student is setting.
class TMastermindBoard : public QWidget {
    Q_OBJECT
public:
    TMastermindBoard(const TMastermindGame& game, QSize size, QWidget* parent = nullptr);

    // Geometry, fixed from the board's size when it is made.
    int RowHeight() const { return rowHeight_; }
    int ColWidth() const { return colWidth_; }
    int TopMargin() const { return rowHeight_ / 2; }
    int LeftMargin() const { return colWidth_ / 2; }
    // Row 1..10 and column 1.. of a large hole.
    QRect HoleRect(int row, int col) const;
    // Score slot 1..4 of a row (1 top left, 2 top right, 3 bottom left, 4 bottom right).
    QRect ScoreSlotRect(int row, int slot) const;
    // The row and column under a point (row/col 0 outside the board's cells);
    // `slot` 1..4 when the column is the score column.
    void MouseToCell(QPoint p, int& row, int& col, int& slot) const;

    // The student's guess being set in `pendingRow` (0: none).
    int pendingRow = 0;
    PegPattern pendingGuess;
    // The score holes the student is setting in `markRow` (0: none):
    // 0 empty, 1 red, 2 white.
    int markRow = 0;
    std::array<int, NumPegs> marks{};

    static constexpr int ScoreColumn = 6;

signals:
    void cellClicked(int row, int col, int slot);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawScore(QPainter& p, int row, int reds, int whites);

    const TMastermindGame& game_;
    int rowHeight_;
    int colWidth_;
};

class TForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    enum class State { Idle, WaitingForGuess, WaitingForScore, Pausing };

    const TMastermindGame& game() const { return Game; }
    State state() const { return state_; }

    EffectLabel* lblTitle;
    QGroupBox* rgPlayer;
    QRadioButton* rbComputerSolves;
    QRadioButton* rbHumanSolves;
    QPushButton* btnStart;
    QPushButton* btnExit;
    QPushButton* btnGiveUp;
    QGroupBox* gbAnswer;
    TPegStrip* AnswerStrip;
    QPushButton* btnHowDidIDo;
    QLabel* lblGuessInstructions;
    QLabel* lblScoreInstructions;
    QWidget* pnlBoard;
    TMastermindBoard* Board;
    QToolButton* btnEnterScore;
    QCheckBox* cbVerbose;
    QPushButton* btnShowVerbose;
    // The computer's pause after scoring itself (one second).
    QTimer PauseTimer;

    // The dialogs in use: the start-up ones unless a test passes its own.
    TGetHiderOptions* optionsDialog();
    TPatternDlg* patternDialog();
    TShowPegsDlg* chartDialog();
    TVerboseForm* verboseForm();
    void setDialogs(TGetHiderOptions* options, TPatternDlg* pattern, TShowPegsDlg* chart, TVerboseForm* verbose);

    // The random source and its reseeding; the program's generator unless replaced.
    RandomBelow randomBelow;
    std::function<void()> reseed;

public slots:
    void btnStartClick();
    void btnExitClick();
    void btnGiveUpClick();
    void btnHowDidIDoClick();
    void btnEnterScoreClick();
    void btnShowVerboseClick();
    void BoardCellClicked(int row, int col, int slot);
    void PauseTimerTimer();

protected:
    void reject() override;

private:
    void startHumanGame();
    void startComputerGame();
    void scoreComputerGuess();
    void afterScore();
    void endGame();
    void placeBeside(QWidget* button, int row);
    void showAnswer(const PegPattern& secret);
    void showMessage(const QString& text);
    bool waiting() const { return state_ != State::Idle; }

    TMastermindGame Game;
    State state_ = State::Idle;
    bool checking_ = false;
    TGetHiderOptions* options_ = nullptr;
    TPatternDlg* pattern_ = nullptr;
    TShowPegsDlg* chart_ = nullptr;
    TVerboseForm* verbose_ = nullptr;
};

} // namespace tv::mastermind
