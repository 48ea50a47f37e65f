#include "app/WindowRegistry.h"

namespace tv {

void registerPenteWindows(WindowRegistry& registry)
{
    (void)registry;
}

} // namespace tv
