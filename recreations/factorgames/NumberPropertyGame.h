#pragma once
// The Number Property Game: classify a number 0..99 as odd or even and as
// prime or composite, against a score that sinks every second.
#include "recreations/drills/DrillGames.h"

#include <functional>

namespace tv::factors {

enum class Parity { None, Odd, Even };
enum class Kind { None, Prime, Composite };

// 0 and 1 are not prime. A prime needs "Prime" and its parity; any other
// number needs its parity and anything but "Prime" (so "Composite" or no
// choice at all).
bool judgeNumberProperty(int n, Parity parity, Kind kind);

class NumberPropertyGame {
public:
    static constexpr int MeterMaximum = 1210;
    static constexpr int MeterStart = 200;
    static constexpr int TimerMs = 1000;
    // The game ends on the first "Check" once the right count is above this.
    static constexpr int RightToEnd = 9;

    // `reseed` restarts the random generator (from the clock in the program).
    NumberPropertyGame(drills::RandomBelow random, std::function<void()> reseed);

    // The window became active: a new game.
    void start();
    struct CheckResult {
        bool ended; // the game ended with this check
        bool right; // the current number was judged right
    };
    CheckResult check(Parity parity, Kind kind);
    void tick();
    // Counts and ticks back to 0 and new digits; the finished flag stays
    // until the next "Check".
    void restart();

    int tens() const { return tens_; }
    int ones() const { return ones_; }
    int number() const { return 10 * tens_ + ones_; }
    int right() const { return right_; }
    int wrong() const { return wrong_; }
    int ticks() const { return ticks_; }
    bool finished() const { return finished_; }
    int score() const { return score_; }
    const drills::MeterValue& meter() const { return meter_; }

private:
    void deal();

    drills::RandomBelow random_;
    std::function<void()> reseed_;
    int tens_ = 0, ones_ = 0;
    int right_ = 0, wrong_ = 0, ticks_ = 0, score_ = 0;
    bool finished_ = false;
    drills::MeterValue meter_{MeterMaximum, MeterStart};
};

} // namespace tv::factors
