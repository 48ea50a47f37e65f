#include "grapher/RegisterGrapher.h"

#include "app/WindowRegistry.h"
#include "grapher/unitSREquationGrapher.h"

namespace tv {

void registerGrapherWindows(WindowRegistry& registry)
{
    registry.addOwned<TfrmSREquationGrapher>();
}

} // namespace tv
