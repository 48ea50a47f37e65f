#include "numbertools/unitPentagonal.h"

#include "numbertools/SequenceTableView.h"
#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QPushButton>

using namespace tv;
using namespace tv::test;

TEST(PentagonalWindow, FillsFiveHundredRowsWhenShown)
{
    FakeActivityHost host;
    TfrmPentagonal w(host.ownerWindow());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tallyvale - Pentagonal Numbers"));
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 0);
    showAndWait(w);
    SequenceTableView* t = w.ValueListEditor1;
    ASSERT_EQ(t->rowCount(), 500);
    EXPECT_EQ(t->valueTitle(), QStringLiteral("Pentagonal Number"));
    EXPECT_EQ(t->valueAt(4), QStringLiteral("35"));
    EXPECT_EQ(t->keyAt(499), QStringLiteral("500"));
    EXPECT_EQ(t->valueAt(499), QStringLiteral("374750"));
    EXPECT_EQ(t->valueColumnWidth(), 235);
    EXPECT_EQ(t->cellText(), QColor(Qt::blue));
    EXPECT_EQ(backgroundOf(&w), toolPalette::TableFormColor);
    saveSnapshot(w, "Pentagonal");
    click(w.btnExit);
    EXPECT_FALSE(w.isVisible());
}
