#include "recreations/drills/unitTimesTableGame.h"

namespace tv::drills {

TfrmTimesTableGame::TfrmTimesTableGame(QWidget* parent, RandomBelow random)
    : ArithmeticDrillWindow(timesTableRules(),
                            {QStringLiteral("frmTimesTableGame"), QStringLiteral("Times Table\n    Game"),
                             QColor(0xFE, 0xE1, 0xC7)},
                            parent, std::move(random))
{
    setObjectName(QStringLiteral("frmTimesTableGame"));
}

} // namespace tv::drills
