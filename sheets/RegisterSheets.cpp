#include "sheets/RegisterSheets.h"

#include "app/ActivityHost.h"
#include "app/WindowRegistry.h"
#include "sheets/tests/UnitSRFindingPercent.h"
#include "sheets/tests/unitOrderOfOperations.h"
#include "sheets/tests/unitPercentOfNumber.h"
#include "sheets/tests/unitPercentofNumber1.h"
#include "sheets/tests/unitSRAddFractions.h"
#include "sheets/tests/unitSRAddMixed.h"
#include "sheets/tests/unitSRAdvancedGeometry.h"
#include "sheets/tests/unitSRDivideFractions.h"
#include "sheets/tests/unitSRImproperToMixed.h"
#include "sheets/tests/unitSRMultiplyFractions.h"
#include "sheets/tests/unitSRProportions.h"
#include "sheets/tests/unitSRShopping.h"
#include "sheets/tests/unitSRSubtractFractions.h"
#include "sheets/tests/unitSRSubtractMixed.h"
#include "sheets/tests/unitSRTestPrep.h"
#include "sheets/tests/unitSRTestPrep1.h"
#include "sheets/tests/unitSRTestPrep2.h"

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
    // In catalogue order.
    static const std::vector<SheetListing> all = {
        listing<TfrmOrderOfOperations>(),
        listing<TfrmSRAddFractions>(),
        listing<TfrmSRSubtractFractions>(),
        listing<TfrmSRMultiplyFractions>(),
        listing<TfrmSRAddMixed>(),
        listing<TfrmSRSubtractMixed>(),
        listing<TfrmSRDivideFractions>(),
        listing<TfrmSRImproperToMixed>(),
        listing<TfrmPercentOfANumber>(),
        listing<TfrmPercentOfNumber1>(),
        listing<TfrmSRFindingPercent>(),
        listing<TfrmSRAdvancedGeometry>(),
        listing<TfrmSRProportions>(),
        listing<TfrmSRShopping>(),
        listing<TfrmSRTestPrep>(),
        listing<TfrmSRTestPrep1>(),
        listing<TfrmSRTestPrep2>(),
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
