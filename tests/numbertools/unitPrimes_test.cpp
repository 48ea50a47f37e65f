#include "numbertools/unitPrimes.h"

#include "numbertools/NumberSequences.h"
#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>

using namespace tv;
using namespace tv::test;

TEST(PrimesWindow, ShowsTheListUnderItsExplanation)
{
    FakeActivityHost host;
    TfrmPrimes w(host.ownerWindow());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmPrimes"));
    showAndWait(w);
    EXPECT_EQ(w.lblExplanation->text(),
              QStringLiteral("The numbers in the first column represent the number of primes. Thus, the 64: in the "
                             "first column indicates that 313 is the 64th prime."));
    EXPECT_EQ(w.Memo1->toPlainText().split(QLatin1Char('\n')), oddPrimeLines());
    EXPECT_EQ(w.Memo1->palette().color(QPalette::Base), QColor(0xFE, 0xEF, 0xC0));
    EXPECT_EQ(w.Memo1->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    saveSnapshot(w, "Primes");
}
