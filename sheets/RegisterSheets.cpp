#include "sheets/RegisterSheets.h"

#include "app/ActivityHost.h"
#include "app/WindowRegistry.h"
#include "sheets/tests/unitOrderOfOperations.h"
#include "sheets/tests/unitSRAddFractions.h"
#include "sheets/tests/unitSRAdvancedGeometry.h"

namespace tv {

namespace {

template <class Sheet>
SheetListing listing()
{
    return {WindowRegistry::classNameOf<Sheet>(), &Sheet::content(),
            [](ActivityHost& host) -> QDialog* { return new Sheet(host); }};
}

} // namespace

const std::vector<SheetListing>& sheetListings()
{
    static const std::vector<SheetListing> all = {
        listing<TfrmOrderOfOperations>(),
        listing<TfrmSRAddFractions>(),
        listing<TfrmSRAdvancedGeometry>(),
    };
    return all;
}

void registerSheetsWindows(WindowRegistry& registry)
{
    registerMasterTestResources();
    for (const SheetListing& s : sheetListings())
        registry.add(s.className, s.make);
}

} // namespace tv
