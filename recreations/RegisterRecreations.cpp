#include "recreations/RegisterRecreations.h"

#include "app/WindowRegistry.h"

namespace tv {

void registerPenteWindows(WindowRegistry& registry);
void registerConcentrationWindows(WindowRegistry& registry);

void registerRecreationsWindows(WindowRegistry& registry)
{
    registerPenteWindows(registry);
    registerConcentrationWindows(registry);
}

} // namespace tv
