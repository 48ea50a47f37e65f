#include "app/WindowRegistry.h"
#include "recreations/drills/unitAdditionGame.h"
#include "recreations/drills/unitDivisorGame.h"
#include "recreations/drills/unitRecreationsSeriesGame.h"
#include "recreations/drills/unitTimesTableGame.h"

namespace tv {

void registerDrillsWindows(WindowRegistry& registry)
{
    registry.addOwned<drills::TfrmTimesTableGame>();
    registry.addOwned<drills::TfrmAdditionGame>();
    registry.addOwned<drills::TfrmRecreationsSeriesGame>();
    registry.addOwned<drills::TfrmDivisorGame>();
}

} // namespace tv
