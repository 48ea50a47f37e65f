#pragma once
// Addition Game: twenty sums of numbers 0..19 against the clock.
#include "recreations/drills/ArithmeticDrillWindow.h"

namespace tv::drills {

class TfrmAdditionGame : public ArithmeticDrillWindow {
    Q_OBJECT
public:
    explicit TfrmAdditionGame(QWidget* parent = nullptr, RandomBelow random = {});
};

} // namespace tv::drills
