#include "numbertools/unitFibonacciLike.h"

#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

namespace {

struct FibonacciLikeWindow : ::testing::Test {
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmFibonacciLike w{host.ownerWindow()};
    void SetUp() override { showAndWait(w); }

    void recalculate(const QString& first, const QString& second)
    {
        w.editFirst->setText(first);
        w.editSecond->setText(second);
        click(w.NAGButton1);
    }
};

} // namespace

TEST_F(FibonacciLikeWindow, OpensWithTheFibonacciNumbers)
{
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmFibonacciLike"));
    EXPECT_EQ(w.editFirst->text(), QStringLiteral("1"));
    EXPECT_EQ(w.editSecond->text(), QStringLiteral("1"));
    ASSERT_EQ(w.ValueListEditor1->rowCount(), 90);
    ASSERT_EQ(w.ValueListEditor2->rowCount(), 90);
    EXPECT_EQ(w.ValueListEditor1->valueAt(89), QStringLiteral("7540113804746346429"));
    EXPECT_EQ(w.ValueListEditor2->valueAt(1), QStringLiteral("1.5"));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    saveSnapshot(w, "FibonacciLike");
}

TEST_F(FibonacciLikeWindow, RecalculateStartsAfreshAndStaysExact)
{
    recalculate(QStringLiteral("2"), QStringLiteral("1"));
    ASSERT_EQ(w.ValueListEditor1->rowCount(), 90);
    EXPECT_EQ(w.ValueListEditor1->valueAt(0), QStringLiteral("3"));
    EXPECT_EQ(w.ValueListEditor1->valueAt(1), QStringLiteral("4"));
    EXPECT_EQ(w.ValueListEditor2->valueAt(0), QStringLiteral("3"));
    recalculate(QStringLiteral("2147483647"), QStringLiteral("2147483647"));
    ASSERT_EQ(w.ValueListEditor1->rowCount(), 90);
    EXPECT_EQ(w.ValueListEditor1->valueAt(89), QStringLiteral("16192271092211729939274346563"));
    EXPECT_EQ(w.ValueListEditor2->valueAt(89), QStringLiteral("1.61803398874989"));
    saveSnapshot(w, "FibonacciLikeLarge");
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(FibonacciLikeWindow, FailuresStopTheTablesWhereTheyWere)
{
    recalculate(QStringLiteral("1"), QStringLiteral("0"));
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 1);
    EXPECT_EQ(w.ValueListEditor2->rowCount(), 0);
    recalculate(QStringLiteral("0"), QStringLiteral("0"));
    recalculate(QStringLiteral("one"), QStringLiteral("1"));
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 0);
    EXPECT_EQ(w.ValueListEditor2->rowCount(), 0);
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("Floating point division by zero"),
                                         QStringLiteral("Invalid floating point operation"),
                                         QStringLiteral("'one' is not a valid integer value")}));
    recalculate(QStringLiteral("1"), QStringLiteral("1"));
    EXPECT_EQ(w.ValueListEditor2->rowCount(), 90);
}
