#include "sheets/RegisterSheets.h"

#include "app/WindowRegistry.h"

namespace tv {

void registerSheetsWindows(WindowRegistry& registry)
{
    (void)registry;
}

} // namespace tv
