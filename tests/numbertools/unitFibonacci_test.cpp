#include "numbertools/unitFibonacci.h"

#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

using namespace tv;
using namespace tv::test;

TEST(FibonacciWindow, NinetyRowsInBothTables)
{
    FakeActivityHost host;
    TfrmFibonacci w(host.ownerWindow());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmFibonacci"));
    showAndWait(w);
    ASSERT_EQ(w.ValueListEditor1->rowCount(), 90);
    ASSERT_EQ(w.ValueListEditor2->rowCount(), 90);
    EXPECT_EQ(w.ValueListEditor2->valueTitle(), QStringLiteral("Ratio of F(n) and F(n+1)"));
    EXPECT_EQ(w.ValueListEditor1->keyAt(0), QStringLiteral("1"));
    EXPECT_EQ(w.ValueListEditor1->valueAt(89), QStringLiteral("7540113804746346429"));
    EXPECT_EQ(w.ValueListEditor2->valueAt(2), QStringLiteral("1.66666666666667"));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    saveSnapshot(w, "Fibonacci");
}
