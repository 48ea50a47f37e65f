#include "app/WindowRegistry.h"

namespace tv {

void registerCalculatorWindows(WindowRegistry& registry)
{
    (void)registry;
}

} // namespace tv
