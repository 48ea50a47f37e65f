#include "numbertools/unitSquareRoot.h"

#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

namespace {

struct SquareRootWindow : ::testing::Test {
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmSquareRoot w{host.ownerWindow()};
    void SetUp() override { showAndWait(w); }

    void create(const QString& minimum, const QString& maximum)
    {
        w.editMin->setText(minimum);
        w.editMax->setText(maximum);
        click(w.NAGButton1);
    }
};

} // namespace

TEST_F(SquareRootWindow, OpensWithOneToAHundred)
{
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmSquareRoots"));
    SequenceTableView* t = w.ValueListEditor1;
    ASSERT_EQ(t->rowCount(), 100);
    EXPECT_EQ(t->keyAt(0), QStringLiteral("1"));
    EXPECT_EQ(t->valueAt(0), QStringLiteral("1"));
    EXPECT_EQ(t->valueAt(1), QStringLiteral("1.4142135623731"));
    EXPECT_EQ(t->keyAt(99), QStringLiteral("100"));
    EXPECT_EQ(t->valueAt(99), QStringLiteral("10"));
    EXPECT_EQ(t->valueTitle(), QStringLiteral("Square Root"));
    EXPECT_EQ(t->keyColumnWidth(), 68);
    EXPECT_EQ(t->valueColumnWidth(), 135);
    EXPECT_EQ(t->cellBackground(), QColor(0xFD, 0xED, 0xB5));
    EXPECT_EQ(backgroundOf(&w), toolPalette::TableFormColor);
    saveSnapshot(w, "SquareRoot");
}

TEST_F(SquareRootWindow, CreateTableReplacesTheRows)
{
    create(QStringLiteral("5"), QStringLiteral("4"));
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 0);
    create(QStringLiteral("9"), QStringLiteral("16"));
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 8);
    EXPECT_EQ(w.ValueListEditor1->valueAt(0), QStringLiteral("3"));
    EXPECT_EQ(w.ValueListEditor1->valueAt(7), QStringLiteral("4"));
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(SquareRootWindow, TheWidestRangeOpensAtOnce)
{
    create(QStringLiteral("0"), QStringLiteral("2147483647"));
    SequenceTableView* t = w.ValueListEditor1;
    EXPECT_EQ(t->rowCount(), 2147483648LL);
    t->setFocus();
    QTest::keyClick(t, Qt::Key_End);
    EXPECT_EQ(t->keyAt(t->currentRow()), QStringLiteral("2147483647"));
    EXPECT_EQ(t->valueAt(t->currentRow()), QStringLiteral("46340.950001052"));
    saveSnapshot(w, "SquareRootEnd");
}

TEST_F(SquareRootWindow, BadEntriesLeaveAnEmptyTable)
{
    create(QStringLiteral("1"), QStringLiteral("ten"));
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 0);
    create(QStringLiteral("-3"), QStringLiteral("3"));
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 0);
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("'ten' is not a valid integer value"),
                                         QStringLiteral("Invalid floating point operation")}));
    create(QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 3);
}
