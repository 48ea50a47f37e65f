#include "app/WindowRegistry.h"
#include "numbertools/ScreenBuffon.h"
#include "numbertools/UnitReferenceDiophantine.h"
#include "numbertools/unitReferenceDayofWeek.h"
#include "numbertools/unitReferenceFactorial.h"
#include "numbertools/unitReferenceFindAllFactors.h"
#include "numbertools/unitReferenceLargeFactorials.h"
#include "numbertools/unitReferencePrimeFactoring.h"

namespace tv {

void registerCalculatorWindows(WindowRegistry& registry)
{
    registry.addOwned<TfrmReferencePrimeFactoring>();
    registry.addOwned<TfrmReferenceFindAllFactors>();
    registry.addOwned<TfrmReferenceDayOfWeek>();
    registry.addOwned<TfrmReferenceFindFactorials>();
    registry.addOwned<TfrmReferenceLargeFactorials>();
    registry.addOwned<TfrmReferenceDiophantine>();
    registry.addOwned<TFormBuffon>();
}

} // namespace tv
