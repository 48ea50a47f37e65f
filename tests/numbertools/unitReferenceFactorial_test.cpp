#include "numbertools/unitReferenceFactorial.h"

#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

using namespace tv;
using namespace tv::test;

TEST(FactorialsWindow, ShowsTwentyRowsOnce)
{
    FakeActivityHost host;
    TfrmReferenceFindFactorials w(host.ownerWindow());
    EXPECT_EQ(w.ValueListEditor1->rowCount(), 0); // filled when it activates
    showAndWait(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tallyvale   -   Factorials"));
    EXPECT_EQ(w.size(), QSize(519, 375));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    QTableWidget* t = w.ValueListEditor1;
    EXPECT_EQ(t->size(), QSize(209, 265));
    EXPECT_EQ(t->horizontalHeaderItem(0)->text(), QStringLiteral("Number"));
    EXPECT_EQ(t->horizontalHeaderItem(1)->text(), QStringLiteral("Number Factorial"));
    EXPECT_EQ(t->columnWidth(0), 38);
    ASSERT_EQ(t->rowCount(), 20);
    EXPECT_EQ(t->item(0, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(t->item(0, 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(t->item(9, 1)->text(), QStringLiteral("3628800"));
    EXPECT_EQ(t->item(19, 0)->text(), QStringLiteral("20"));
    EXPECT_EQ(t->item(19, 1)->text(), QStringLiteral("2432902008176640000"));
    saveSnapshot(w, "Factorials");
    // Shown again (after a message box, say), it does not add rows twice.
    w.hide();
    showAndWait(w);
    EXPECT_EQ(t->rowCount(), 20);
    EXPECT_EQ(captionOf(w.btnExit), QColor(Qt::red));
    click(w.btnExit);
    EXPECT_FALSE(w.isVisible());
}
