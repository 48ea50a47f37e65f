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

void registerTableWindows(WindowRegistry& registry)
{
    registry.addOwned<TfrmFractionCalc>();
    registry.addOwned<TfrmBMICalc>();
    registry.addOwned<TfrmTriangular>();
    registry.addOwned<TfrmPentagonal>();
    registry.addOwned<TfrmPowerOfTwo>();
    registry.addOwned<TfrmPrimes>();
    registry.addOwned<TfrmUnitFractions>();
    registry.addOwned<TfrmChinese>();
    registry.addOwned<TfrmFibonacci>();
    registry.addOwned<TfrmFibonacciLike>();
    registry.addOwned<TfrmLucas>();
    registry.addOwned<TfrmSquareRoot>();
}

} // namespace tv
