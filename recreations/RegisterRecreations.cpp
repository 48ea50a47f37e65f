#include "recreations/RegisterRecreations.h"

#include "app/WindowRegistry.h"

namespace tv {

void registerPenteWindows(WindowRegistry& registry);
void registerTangramWindows(WindowRegistry& registry);
void registerConcentrationWindows(WindowRegistry& registry);
void registerDrillsWindows(WindowRegistry& registry);
void registerFactorGamesWindows(WindowRegistry& registry);
void registerMastermindWindows(WindowRegistry& registry);

void registerRecreationsWindows(WindowRegistry& registry)
{
    registerPenteWindows(registry);
    registerTangramWindows(registry);
    registerConcentrationWindows(registry);
    registerDrillsWindows(registry);
    registerFactorGamesWindows(registry);
    registerMastermindWindows(registry);
}

} // namespace tv
