#pragma once
// Times Table Game: twenty products of numbers 0..11 against the clock.
#include "recreations/drills/ArithmeticDrillWindow.h"

namespace tv::drills {

class TfrmTimesTableGame : public ArithmeticDrillWindow {
    Q_OBJECT
public:
    explicit TfrmTimesTableGame(QWidget* parent = nullptr, RandomBelow random = {});
};

} // namespace tv::drills
