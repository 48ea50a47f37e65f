#include "numbertools/unitSquareRoot.h"

#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

TEST(SquareRootWindow, TablesTheChosenRange)
{
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmSquareRoot w(host.ownerWindow());
    showAndWait(w);
    SequenceTableView* t = w.ValueListEditor1;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmSquareRoots"));
    ASSERT_EQ(t->rowCount(), 100);
    EXPECT_EQ(t->valueAt(1), QStringLiteral("1.4142135623731"));
    EXPECT_EQ(t->keyAt(99), QStringLiteral("100"));
    EXPECT_EQ(t->keyColumnWidth(), 68);
    EXPECT_EQ(t->cellBackground(), QColor(0xFD, 0xED, 0xB5));
    EXPECT_EQ(backgroundOf(&w), toolPalette::TableFormColor);
    saveSnapshot(w, "SquareRoot");

    auto create = [&](const char* minimum, const char* maximum) {
        w.editMin->setText(QString::fromLatin1(minimum));
        w.editMax->setText(QString::fromLatin1(maximum));
        click(w.NAGButton1);
        return t->rowCount();
    };
    EXPECT_EQ(create("5", "4"), 0);
    EXPECT_EQ(create("9", "16"), 8);
    EXPECT_EQ(t->valueAt(7), QStringLiteral("4"));
    // The widest range opens at once and its last row is reachable.
    EXPECT_EQ(create("0", "2147483647"), 2147483648LL);
    t->setFocus();
    QTest::keyClick(t, Qt::Key_End);
    EXPECT_EQ(t->valueAt(t->currentRow()), QStringLiteral("46340.950001052"));
    saveSnapshot(w, "SquareRootEnd");

    EXPECT_EQ(create("1", "ten"), 0);
    EXPECT_EQ(create("-3", "3"), 0);
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("'ten' is not a valid integer value"),
                                         QStringLiteral("Invalid floating point operation")}));
}
