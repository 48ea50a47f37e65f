#include "app/WindowRegistry.h"
#include "tests/support/FakeActivityHost.h"

#include <gtest/gtest.h>

#include <QDialog>

#include <memory>

namespace tv {
void registerCalculatorWindows(WindowRegistry& registry);
}

TEST(RegisterCalculators, MakesEachWindowByClassName)
{
    tv::WindowRegistry registry;
    tv::registerCalculatorWindows(registry);
    tv::test::FakeActivityHost host;
    for (const char* name : {"TfrmReferencePrimeFactoring", "TfrmReferenceFindAllFactors", "TfrmReferenceDayOfWeek",
                             "TfrmReferenceFindFactorials", "TfrmReferenceLargeFactorials",
                             "TfrmReferenceDiophantine", "TFormBuffon"}) {
        ASSERT_TRUE(registry.contains(QString::fromLatin1(name))) << name;
        std::unique_ptr<QDialog> w(registry.create(QString::fromLatin1(name), host));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->parentWidget(), host.ownerWindow()) << name;
        EXPECT_EQ(QByteArray("T") + w->objectName().toLatin1(), QByteArray(name));
    }
    EXPECT_EQ(registry.classNames().size(), 7);
}
