#include "app/WindowRegistry.h"
#include "numbertools/UnitReferenceDiophantine.h"
#include "numbertools/unitReferenceDayofWeek.h"
#include "numbertools/unitReferenceFactorial.h"
#include "numbertools/unitReferenceFindAllFactors.h"
#include "numbertools/unitReferenceLargeFactorials.h"
#include "numbertools/unitReferencePrimeFactoring.h"

namespace tv {

void registerCalculatorWindows(WindowRegistry& registry)
{
    registry.addOwned<TfrmReferencePrimeFactoring>(QStringLiteral("TfrmReferencePrimeFactoring"));
    registry.addOwned<TfrmReferenceFindAllFactors>(QStringLiteral("TfrmReferenceFindAllFactors"));
    registry.addOwned<TfrmReferenceDayOfWeek>(QStringLiteral("TfrmReferenceDayOfWeek"));
    registry.addOwned<TfrmReferenceFindFactorials>(QStringLiteral("TfrmReferenceFindFactorials"));
    registry.addOwned<TfrmReferenceLargeFactorials>(QStringLiteral("TfrmReferenceLargeFactorials"));
    registry.addOwned<TfrmReferenceDiophantine>(QStringLiteral("TfrmReferenceDiophantine"));
}

} // namespace tv
