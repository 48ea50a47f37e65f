#include "recreations/RegisterRecreations.h"

#include "app/WindowRegistry.h"

namespace tv {

void registerPenteWindows(WindowRegistry& registry);
void registerMastermindWindows(WindowRegistry& registry);

void registerRecreationsWindows(WindowRegistry& registry)
{
    registerPenteWindows(registry);
    registerMastermindWindows(registry);
}

} // namespace tv
