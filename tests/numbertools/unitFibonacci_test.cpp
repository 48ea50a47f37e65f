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
    SequenceTableView* numbers = w.ValueListEditor1;
    SequenceTableView* ratios = w.ValueListEditor2;
    ASSERT_EQ(numbers->rowCount(), 90);
    ASSERT_EQ(ratios->rowCount(), 90);
    EXPECT_EQ(numbers->valueTitle(), QStringLiteral("Fibonacci Number"));
    EXPECT_EQ(ratios->valueTitle(), QStringLiteral("Ratio of F(n) and F(n+1)"));
    EXPECT_EQ(numbers->keyAt(0), QStringLiteral("1"));
    EXPECT_EQ(numbers->valueAt(0), QStringLiteral("2"));
    EXPECT_EQ(numbers->valueAt(1), QStringLiteral("3"));
    EXPECT_EQ(numbers->valueAt(2), QStringLiteral("5"));
    EXPECT_EQ(ratios->valueAt(0), QStringLiteral("2"));
    EXPECT_EQ(ratios->valueAt(1), QStringLiteral("1.5"));
    EXPECT_EQ(ratios->valueAt(2), QStringLiteral("1.66666666666667"));
    EXPECT_EQ(numbers->keyAt(89), QStringLiteral("90"));
    EXPECT_EQ(numbers->valueAt(89), QStringLiteral("7540113804746346429"));
    EXPECT_EQ(ratios->valueAt(89), QStringLiteral("1.61803398874989"));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    saveSnapshot(w, "Fibonacci");
}
