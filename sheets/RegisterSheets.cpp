#include "sheets/RegisterSheets.h"

#include "app/ActivityHost.h"
#include "app/WindowRegistry.h"
#include "sheets/tests/unitOrderOfOperations.h"

namespace tv {

void registerSheetsWindows(WindowRegistry& registry)
{
    registerMasterTestResources();
    registry.addHosted<TfrmOrderOfOperations>();
}

} // namespace tv
