#include "app/WindowRegistry.h"
#include "numbertools/RegisterNumberTools.h"
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
#include "tests/support/FakeActivityHost.h"

#include <gtest/gtest.h>

#include <QDialog>

#include <memory>

using namespace tv;

namespace tv {
void registerTableWindows(WindowRegistry& registry);
}

namespace {

template <typename Window>
void expectMade(WindowRegistry& registry, test::FakeActivityHost& host, const char* className)
{
    std::unique_ptr<QDialog> w(registry.create(QString::fromLatin1(className), host));
    ASSERT_NE(w, nullptr) << className;
    EXPECT_NE(qobject_cast<Window*>(w.get()), nullptr) << className;
    EXPECT_EQ(w->parentWidget(), host.ownerWindow()) << className;
}

} // namespace

TEST(RegisterTables, EveryWindowIsMadeByItsClassName)
{
    WindowRegistry registry;
    registerTableWindows(registry);
    test::FakeActivityHost host;
    expectMade<TfrmFractionCalc>(registry, host, "TfrmFractionCalc");
    expectMade<TfrmBMICalc>(registry, host, "TfrmBMICalc");
    expectMade<TfrmTriangular>(registry, host, "TfrmTriangular");
    expectMade<TfrmPentagonal>(registry, host, "TfrmPentagonal");
    expectMade<TfrmPowerOfTwo>(registry, host, "TfrmPowerOfTwo");
    expectMade<TfrmPrimes>(registry, host, "TfrmPrimes");
    expectMade<TfrmUnitFractions>(registry, host, "TfrmUnitFractions");
    expectMade<TfrmChinese>(registry, host, "TfrmChinese");
    expectMade<TfrmFibonacci>(registry, host, "TfrmFibonacci");
    expectMade<TfrmFibonacciLike>(registry, host, "TfrmFibonacciLike");
    expectMade<TfrmLucas>(registry, host, "TfrmLucas");
    expectMade<TfrmSquareRoot>(registry, host, "TfrmSquareRoot");
    EXPECT_EQ(registry.classNames().size(), 12);
}
