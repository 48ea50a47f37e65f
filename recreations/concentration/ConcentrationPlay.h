#pragma once
// What the Concentration window shows beside the board: the status line and
// the seconds clock, as they follow the board's events, and the picture sets
// the student can choose.
#include <QString>

#include <array>

namespace tv::concentration {

struct PictureSet {
    const char* caption;  // the radio button's caption
    const char* resource; // the strip: card back, then the twelve faces
};

// In the order of the radio buttons; the first is chosen at start.
extern const std::array<PictureSet, 5> kPictureSets;

class ConcentrationPlay {
public:
    static QString clickTwoText() { return QStringLiteral("Click on two of the cards"); }
    static QString badMoveText() { return QStringLiteral("Sorry, Try again..."); }
    static QString goodMoveText() { return QStringLiteral("Good Move, A Match!"); }
    static QString wonText() { return QStringLiteral("You won!"); }
    static QString playAgainCaption() { return QStringLiteral("Congratulations!"); }
    static QString playAgainQuestion() { return QStringLiteral("Do you want to play again?"); }

    void newGame();
    void goodMove() { status_ = goodMoveText(); }
    void badMove() { status_ = badMoveText(); }
    void endOfGame();
    // One second of the clock; nothing while it is stopped.
    void tick();

    QString status() const { return status_; }
    int seconds() const { return seconds_; }
    bool clockRunning() const { return running_; }
    // "Seconds:  0" until the first tick of a game, then "Seconds: " and the count.
    QString clockText() const;

private:
    QString status_;
    int seconds_ = 0;
    bool running_ = false;
};

} // namespace tv::concentration
