#include "recreations/drills/unitAdditionGame.h"

namespace tv::drills {

TfrmAdditionGame::TfrmAdditionGame(QWidget* parent, RandomBelow random)
    : ArithmeticDrillWindow(additionRules(),
                            {QStringLiteral("frmAdditionGame"), QStringLiteral("Addition\n  Game"),
                             QColor(0xFE, 0xEF, 0xC0)},
                            parent, std::move(random))
{
    setObjectName(QStringLiteral("frmAdditionGame"));
}

} // namespace tv::drills
