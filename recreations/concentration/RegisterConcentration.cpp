#include "app/WindowRegistry.h"
#include "recreations/concentration/unitRecreationsConcentration.h"

namespace tv {

void registerConcentrationWindows(WindowRegistry& registry)
{
    registry.addOwned<concentration::TfrmRecreationsConcentration>();
}

} // namespace tv
