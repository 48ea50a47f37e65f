#include "app/WindowRegistry.h"
#include "tests/support/FakeActivityHost.h"

#include <gtest/gtest.h>

#include <QDialog>

#include <memory>

namespace tv {
void registerTableWindows(WindowRegistry& registry);
}

TEST(RegisterTables, EveryWindowIsMadeByItsClassName)
{
    tv::WindowRegistry registry;
    tv::registerTableWindows(registry);
    tv::test::FakeActivityHost host;
    const char* names[] = {"TfrmFractionCalc", "TfrmBMICalc", "TfrmTriangular", "TfrmPentagonal",
                           "TfrmPowerOfTwo", "TfrmPrimes", "TfrmUnitFractions", "TfrmChinese",
                           "TfrmFibonacci", "TfrmFibonacciLike", "TfrmLucas", "TfrmSquareRoot"};
    for (const char* name : names) {
        std::unique_ptr<QDialog> w(registry.create(QString::fromLatin1(name), host));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(QString::fromLatin1(w->metaObject()->className()), QStringLiteral("tv::") + QString::fromLatin1(name));
        EXPECT_EQ(w->parentWidget(), host.ownerWindow()) << name;
    }
    EXPECT_EQ(registry.classNames().size(), 12);
}
