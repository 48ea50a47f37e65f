#include "app/ActivityHost.h"
#include "app/WindowRegistry.h"
#include "numbertools/UnitReferenceDiophantine.h"
#include "numbertools/unitReferenceDayofWeek.h"
#include "numbertools/unitReferenceFactorial.h"
#include "numbertools/unitReferenceFindAllFactors.h"
#include "numbertools/unitReferenceLargeFactorials.h"
#include "numbertools/unitReferencePrimeFactoring.h"

namespace tv {

namespace {
template <typename Window>
void addWindow(WindowRegistry& registry, const char* className)
{
    registry.add(QString::fromLatin1(className),
                 [](ActivityHost& host) -> QDialog* { return new Window(host.ownerWindow()); });
}
} // namespace

void registerCalculatorWindows(WindowRegistry& registry)
{
    addWindow<TfrmReferencePrimeFactoring>(registry, "TfrmReferencePrimeFactoring");
    addWindow<TfrmReferenceFindAllFactors>(registry, "TfrmReferenceFindAllFactors");
    addWindow<TfrmReferenceDayOfWeek>(registry, "TfrmReferenceDayOfWeek");
    addWindow<TfrmReferenceFindFactorials>(registry, "TfrmReferenceFindFactorials");
    addWindow<TfrmReferenceLargeFactorials>(registry, "TfrmReferenceLargeFactorials");
    addWindow<TfrmReferenceDiophantine>(registry, "TfrmReferenceDiophantine");
}

} // namespace tv
