#include "grapher/RegisterGrapher.h"

#include "app/WindowRegistry.h"

namespace tv {

void registerGrapherWindows(WindowRegistry& registry)
{
    (void)registry;
}

} // namespace tv
