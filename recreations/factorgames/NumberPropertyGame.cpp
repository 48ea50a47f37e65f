#include "recreations/factorgames/NumberPropertyGame.h"

#include "app/Random.h"
#include "numbertools/unitIsPrime.h"

namespace tv::factors {

bool judgeNumberProperty(int n, Parity parity, Kind kind)
{
    const Parity actual = n % 2 == 0 ? Parity::Even : Parity::Odd;
    if (parity != actual)
        return false;
    return IsPrime(n) ? kind == Kind::Prime : kind != Kind::Prime;
}

NumberPropertyGame::NumberPropertyGame(drills::RandomBelow random, std::function<void()> reseed)
    : random_(random ? std::move(random) : drills::programRandom()),
      reseed_(reseed ? std::move(reseed) : std::function<void()>([] { rng::seedFromClock(); }))
{
}

void NumberPropertyGame::deal()
{
    tens_ = static_cast<int>(random_(10) % 10);
    ones_ = static_cast<int>(random_(10) % 10);
}

void NumberPropertyGame::start()
{
    reseed_();
    right_ = wrong_ = ticks_ = 0;
    finished_ = false;
    deal();
}

NumberPropertyGame::CheckResult NumberPropertyGame::check(Parity parity, Kind kind)
{
    finished_ = false;
    CheckResult result{false, false};
    if (right_ > RightToEnd) {
        finished_ = true;
        result.ended = true;
    }
    result.right = judgeNumberProperty(number(), parity, kind);
    (result.right ? right_ : wrong_) += 1;
    deal();
    return result;
}

void NumberPropertyGame::tick()
{
    if (!finished_)
        ++ticks_;
    score_ = wrong_ < right_ ? drills::wrapAdd(drills::wrapAdd(drills::wrapMul(110, right_), -drills::wrapMul(5, ticks_)),
                                               -drills::wrapMul(50, wrong_))
                             : 0;
    meter_.set(score_ > 0 ? score_ : 0);
}

void NumberPropertyGame::restart()
{
    reseed_();
    right_ = wrong_ = ticks_ = 0;
    deal();
}

} // namespace tv::factors
