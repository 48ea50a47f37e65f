#include "recreations/drills/DrillGames.h"

#include "app/Random.h"
#include "numbertools/unitIsPrime.h"
#include "ui/Conversions.h"

#include <algorithm>

namespace tv::drills {

RandomBelow programRandom()
{
    return [](std::uint32_t n) { return rng::below(n); };
}

bool MeterValue::set(int value)
{
    if (value < 0 || value > maximum_)
        return false;
    value_ = value;
    return true;
}

int wrapAdd(int a, int b)
{
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

int wrapMul(int a, int b)
{
    return static_cast<int>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

namespace {

int draw(const RandomBelow& random, std::uint32_t below)
{
    return static_cast<int>(random(below) % below);
}

// a·x − b·y − c·z in the program's wrapping arithmetic.
int formula(int a, int x, int b, int y, int c, int z)
{
    return wrapAdd(wrapAdd(wrapMul(a, x), -wrapMul(b, y)), -wrapMul(c, z));
}

} // namespace

// ---------------------------------------------------------------------------

const ArithmeticRules& timesTableRules()
{
    static const ArithmeticRules rules{QLatin1Char('X'), 12, true, 60, 10, 35};
    return rules;
}

const ArithmeticRules& additionRules()
{
    static const ArithmeticRules rules{QLatin1Char('+'), 20, false, 70, 10, 30};
    return rules;
}

ArithmeticDrill::ArithmeticDrill(const ArithmeticRules& rules, RandomBelow random)
    : rules_(rules), random_(random ? std::move(random) : programRandom())
{
    deal();
}

void ArithmeticDrill::deal()
{
    first_ = draw(random_, rules_.below);
    second_ = draw(random_, rules_.below);
}

int ArithmeticDrill::answer() const
{
    return rules_.multiply ? first_ * second_ : first_ + second_;
}

Outcome ArithmeticDrill::check(const QString& typed)
{
    if (finished_)
        return Outcome::Close;
    const int value = strToInt(typed.isEmpty() ? QStringLiteral("0") : typed);
    const bool isRight = value == answer();
    (isRight ? right_ : wrong_) += 1;
    const int m = formula(rules_.meterRight, right_, rules_.meterTicks, ticks_, rules_.meterWrong, wrong_);
    meter_.set(m > 0 ? m : 0);
    if (right_ + wrong_ >= Answers)
        finished_ = true;
    else
        deal();
    return isRight ? Outcome::Right : Outcome::Wrong;
}

void ArithmeticDrill::tick()
{
    // Time stops when the game is over, but the score is still worked out
    // (it stays the same) and put back on the meter, so the meter ends on
    // the final score rather than on the last "Check" formula.
    if (!finished_)
        ++ticks_;
    score_ = wrong_ < right_ ? formula(100, right_, 15, ticks_, 60, wrong_) : 0;
    meter_.set(score_ > 0 ? score_ : 0);
}

// ---------------------------------------------------------------------------

SeriesDrill::SeriesDrill(RandomBelow random) : random_(random ? std::move(random) : programRandom()) {}

void SeriesDrill::deal()
{
    multiplier_ = draw(random_, 5) + 1;
    adder_ = draw(random_, 5) + 1;
    top_[0] = draw(random_, 5);
    for (std::size_t i = 1; i < top_.size(); ++i)
        top_[i] = top_[i - 1] + draw(random_, 4) + 1;
    for (std::size_t i = 0; i < top_.size(); ++i)
        bottom_[i] = multiplier_ * top_[i] + adder_;
    hidden_ = draw(random_, 5);
}

Outcome SeriesDrill::click(const QString& typed)
{
    if (finished_)
        return Outcome::Close;
    Outcome outcome = Outcome::Dealt;
    if (started_) {
        // Compared as text: "07" or " 7" is not the answer 7.
        const bool isRight = typed == QString::number(answer());
        (isRight ? right_ : wrong_) += 1;
        outcome = isRight ? Outcome::Right : Outcome::Wrong;
    }
    started_ = true;
    deal();
    // Every click sets the meter, the first one too (to 0).
    meter_.set(17 * right_ - wrong_);
    if (right_ + wrong_ >= Answers)
        finished_ = true;
    return outcome;
}

void SeriesDrill::tick()
{
    if (!finished_)
        meter_.set(meter_.value() - 1);
}

// ---------------------------------------------------------------------------

bool DivisorAnswer::empty() const
{
    return !prime && std::none_of(ticked.begin(), ticked.end(), [](bool t) { return t; });
}

bool judgeDivisors(int n, const DivisorAnswer& answer)
{
    if (answer.prime)
        return IsPrime(n) && std::none_of(answer.ticked.begin(), answer.ticked.end(), [](bool t) { return t; });
    for (std::size_t i = 0; i < DivisorBoxes.size(); ++i)
        if (answer.ticked[i] != (n % DivisorBoxes[i] == 0))
            return false;
    // A prime among the boxes (2, 3, 5, 7, 11) is answered by "Prime", not
    // by ticking itself.
    return !IsPrime(n);
}

DivisorDrill::DivisorDrill(RandomBelow random) : random_(random ? std::move(random) : programRandom())
{
    number_ = draw(random_, Below);
}

void DivisorDrill::updateMeter()
{
    meter_.set(formula(10, right_, 3, wrong_, 2, ticks_));
}

Outcome DivisorDrill::check(const DivisorAnswer& answer)
{
    if (finished_)
        return Outcome::Close;
    if (answer.empty() && number_ != 1)
        return Outcome::NoChoice;
    const bool isRight = judgeDivisors(number_, answer);
    (isRight ? right_ : wrong_) += 1;
    updateMeter();
    return isRight ? Outcome::Right : Outcome::Wrong;
}

bool DivisorDrill::next()
{
    if (finished_)
        return true;
    if (right_ + wrong_ > 9) {
        finished_ = true;
        return true;
    }
    number_ = draw(random_, Below);
    return false;
}

void DivisorDrill::tick()
{
    if (finished_)
        return;
    ++ticks_;
    updateMeter();
}

} // namespace tv::drills
