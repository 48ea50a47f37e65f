#include "recreations/RegisterRecreations.h"

#include "app/WindowRegistry.h"

namespace tv {

void registerPenteWindows(WindowRegistry& registry);
void registerTangramWindows(WindowRegistry& registry);
void registerConcentrationWindows(WindowRegistry& registry);

void registerRecreationsWindows(WindowRegistry& registry)
{
    registerPenteWindows(registry);
    registerTangramWindows(registry);
    registerConcentrationWindows(registry);
}

} // namespace tv
