#pragma once
// The state of the four timed drills: problems, judging, counts and scores.
// No widget here: the windows show this state and feed it clicks and timer
// ticks, so tests can fix the numbers drawn and step time by hand.
#include <array>
#include <cstdint>
#include <functional>

#include <QString>

namespace tv::drills {

// Random below n: one of 0 .. n-1. The windows use the program's generator.
using RandomBelow = std::function<std::uint32_t(std::uint32_t)>;
RandomBelow programRandom();

// The value of a score meter: an integer between 0 and its maximum. A value
// outside that range is ignored and the previous one stays.
class MeterValue {
public:
    MeterValue(int maximum, int start) : maximum_(maximum), value_(start) {}
    // False (and nothing changes) when `value` is out of range.
    bool set(int value);
    int value() const { return value_; }
    int maximum() const { return maximum_; }

private:
    int maximum_;
    int value_;
};

// Signed 32-bit arithmetic that wraps like the rest of the program's
// integer sums instead of overflowing.
int wrapAdd(int a, int b);
int wrapMul(int a, int b);

// What a press on a drill's main button did.
enum class Outcome {
    Close,    // the game was over: the window closes
    Dealt,    // only a new problem was dealt (the Series game's first click)
    NoChoice, // nothing was chosen: a warning, nothing counted
    Right,
    Wrong,
};

// Times Table and Addition: the two differ only in these.
struct ArithmeticRules {
    QChar sign;          // shown between the numbers
    std::uint32_t below; // each number is random below this
    bool multiply;       // product, else sum
    // Meter at "Check": right·meterRight − ticks·meterTicks − wrong·meterWrong.
    int meterRight, meterTicks, meterWrong;
};
const ArithmeticRules& timesTableRules();
const ArithmeticRules& additionRules();

class ArithmeticDrill {
public:
    static constexpr int Answers = 20;
    static constexpr int MeterMaximum = 1210;
    static constexpr int MeterStart = 60;
    static constexpr int TimerMs = 2000;

    ArithmeticDrill(const ArithmeticRules& rules, RandomBelow random);

    // "Check" with the answer as typed (the window has already turned an
    // empty answer into "0"). Throws ConvertError, counting nothing, when the
    // text is not a whole number. Deals the next problem unless this was the
    // last answer.
    Outcome check(const QString& typed);
    // The clock counts only while the game runs; the score and the meter are
    // worked out on every tick.
    void tick();

    const ArithmeticRules& rules() const { return rules_; }
    int first() const { return first_; }
    int second() const { return second_; }
    int answer() const;
    int right() const { return right_; }
    int wrong() const { return wrong_; }
    int ticks() const { return ticks_; }
    bool finished() const { return finished_; }
    // The timer's score, kept in a hidden label and shown as the final score.
    int score() const { return score_; }
    const MeterValue& meter() const { return meter_; }

private:
    void deal();

    const ArithmeticRules& rules_;
    RandomBelow random_;
    int first_ = 0, second_ = 0;
    int right_ = 0, wrong_ = 0, ticks_ = 0, score_ = 0;
    bool finished_ = false;
    MeterValue meter_{MeterMaximum, MeterStart};
};

// Find the missing number: B = m·A + k over six columns, one B hidden.
class SeriesDrill {
public:
    static constexpr int Answers = 10;
    static constexpr int Columns = 6;
    static constexpr int MeterMaximum = 100;
    static constexpr int MeterStart = 10;
    static constexpr int TimerMs = 4000;

    explicit SeriesDrill(RandomBelow random);

    // A click on the button with the answer as typed. The first click only
    // deals; later ones judge the text first (it must be exactly the
    // answer's decimal text), then deal. Every click then sets the meter to
    // 17·right − wrong (the first one to 0).
    Outcome click(const QString& typed);
    void tick();

    bool started() const { return started_; }
    bool finished() const { return finished_; }
    int right() const { return right_; }
    int wrong() const { return wrong_; }
    int multiplier() const { return multiplier_; }
    int adder() const { return adder_; }
    const std::array<int, Columns>& top() const { return top_; }
    const std::array<int, Columns>& bottom() const { return bottom_; }
    // 0-based index of the hidden bottom number (0..4).
    int hidden() const { return hidden_; }
    int answer() const { return bottom_[static_cast<std::size_t>(hidden_)]; }
    const MeterValue& meter() const { return meter_; }

private:
    void deal();

    RandomBelow random_;
    bool started_ = false, finished_ = false;
    int right_ = 0, wrong_ = 0;
    int multiplier_ = 0, adder_ = 0, hidden_ = 0;
    std::array<int, Columns> top_{}, bottom_{};
    MeterValue meter_{MeterMaximum, MeterStart};
};

// The Divisor Game's boxes besides "Prime", in the order shown.
inline constexpr std::array<int, 5> DivisorBoxes{2, 3, 5, 7, 11};

struct DivisorAnswer {
    bool prime = false;
    std::array<bool, 5> ticked{}; // one per DivisorBoxes entry
    bool empty() const;
};

// Right when exactly the listed numbers that divide n are ticked, or when
// "Prime" alone is ticked for a prime n. 0 is divided by all five; 1 has
// none of them and is not prime, so for 1 the right answer is no tick.
bool judgeDivisors(int n, const DivisorAnswer& answer);

class DivisorDrill {
public:
    static constexpr int Answers = 10;
    static constexpr int MeterMaximum = 100;
    static constexpr int MeterStart = 0;
    static constexpr int TimerMs = 3000;
    static constexpr std::uint32_t Below = 150;

    explicit DivisorDrill(RandomBelow random);

    // "Check": may be pressed more than once for the same number; every
    // judged press counts. Nothing ticked is NoChoice, except for 1.
    Outcome check(const DivisorAnswer& answer);
    // "Next": true when the game is now finished (the number stays);
    // otherwise a new number is dealt.
    bool next();
    void tick();

    int number() const { return number_; }
    int right() const { return right_; }
    int wrong() const { return wrong_; }
    int ticks() const { return ticks_; }
    bool finished() const { return finished_; }
    const MeterValue& meter() const { return meter_; }

private:
    void updateMeter();

    RandomBelow random_;
    int number_ = 0;
    int right_ = 0, wrong_ = 0, ticks_ = 0;
    bool finished_ = false;
    MeterValue meter_{MeterMaximum, MeterStart};
};

} // namespace tv::drills
