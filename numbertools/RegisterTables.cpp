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
    registry.addOwned<TfrmFractionCalc>(QStringLiteral("TfrmFractionCalc"));
    registry.addOwned<TfrmBMICalc>(QStringLiteral("TfrmBMICalc"));
    registry.addOwned<TfrmTriangular>(QStringLiteral("TfrmTriangular"));
    registry.addOwned<TfrmPentagonal>(QStringLiteral("TfrmPentagonal"));
    registry.addOwned<TfrmPowerOfTwo>(QStringLiteral("TfrmPowerOfTwo"));
    registry.addOwned<TfrmPrimes>(QStringLiteral("TfrmPrimes"));
    registry.addOwned<TfrmUnitFractions>(QStringLiteral("TfrmUnitFractions"));
    registry.addOwned<TfrmChinese>(QStringLiteral("TfrmChinese"));
    registry.addOwned<TfrmFibonacci>(QStringLiteral("TfrmFibonacci"));
    registry.addOwned<TfrmFibonacciLike>(QStringLiteral("TfrmFibonacciLike"));
    registry.addOwned<TfrmLucas>(QStringLiteral("TfrmLucas"));
    registry.addOwned<TfrmSquareRoot>(QStringLiteral("TfrmSquareRoot"));
}

} // namespace tv
