#include "app/WindowRegistry.h"

namespace tv {

void registerTableWindows(WindowRegistry& registry)
{
    (void)registry;
}

} // namespace tv
