#include "numbertools/unitFibonacciLike.h"

#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

TEST(FibonacciLikeWindow, RecalculatesFromTheStartsAndStopsAtAFault)
{
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmFibonacciLike w(host.ownerWindow());
    showAndWait(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmFibonacciLike"));
    EXPECT_EQ(w.ValueListEditor1->valueAt(89), QStringLiteral("7540113804746346429"));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    auto recalculate = [&](const char* a, const char* b) {
        w.editFirst->setText(QString::fromLatin1(a));
        w.editSecond->setText(QString::fromLatin1(b));
        click(w.NAGButton1);
    };
    recalculate("2147483647", "2147483647");
    ASSERT_EQ(w.ValueListEditor1->rowCount(), 90);
    EXPECT_EQ(w.ValueListEditor1->valueAt(89), QStringLiteral("16192271092211729939274346563"));
    EXPECT_EQ(w.ValueListEditor2->valueAt(89), QStringLiteral("1.61803398874989"));
    saveSnapshot(w, "FibonacciLikeLarge");

    recalculate("1", "0");
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 1);
    EXPECT_EQ(w.ValueListEditor2->rowCount(), 0);
    recalculate("one", "1");
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 0);
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("Floating point division by zero"),
                                         QStringLiteral("'one' is not a valid integer value")}));
}
