#include "app/ActivityHost.h"
#include "app/WindowRegistry.h"
#include "numbertools/UnitBMI.h"
#include "numbertools/unitChinese.h"
#include "numbertools/unitFibonacci.h"
#include "numbertools/unitFibonacciLike.h"
#include "numbertools/unitFractionCalc.h"
#include "numbertools/unitLucas.h"
#include "numbertools/unitPentagonal.h"
#include "numbertools/unitPowerOfTwo.h"
#include "numbertools/unitPrimes.h"
#include "numbertools/unitSquareRoot.h"
#include "numbertools/unitTriangular.h"
#include "numbertools/unitUnitFractions.h"

namespace tv {

namespace {

template <typename Window>
void addWindow(WindowRegistry& registry, const char* className)
{
    registry.add(QString::fromLatin1(className),
                 [](ActivityHost& host) -> QDialog* { return new Window(host.ownerWindow()); });
}

} // namespace

void registerTableWindows(WindowRegistry& registry)
{
    addWindow<TfrmFractionCalc>(registry, "TfrmFractionCalc");
    addWindow<TfrmBMICalc>(registry, "TfrmBMICalc");
    addWindow<TfrmTriangular>(registry, "TfrmTriangular");
    addWindow<TfrmPentagonal>(registry, "TfrmPentagonal");
    addWindow<TfrmPowerOfTwo>(registry, "TfrmPowerOfTwo");
    addWindow<TfrmPrimes>(registry, "TfrmPrimes");
    addWindow<TfrmUnitFractions>(registry, "TfrmUnitFractions");
    addWindow<TfrmChinese>(registry, "TfrmChinese");
    addWindow<TfrmFibonacci>(registry, "TfrmFibonacci");
    addWindow<TfrmFibonacciLike>(registry, "TfrmFibonacciLike");
    addWindow<TfrmLucas>(registry, "TfrmLucas");
    addWindow<TfrmSquareRoot>(registry, "TfrmSquareRoot");
}

} // namespace tv
