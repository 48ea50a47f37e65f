#include "numbertools/unitUnitFractions.h"

#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

TEST(UnitFractionsWindow, SplitsTheDenominatorOnOpeningAndRecalculate)
{
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmUnitFractions w(host.ownerWindow());
    showAndWait(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmUnitFractions"));
    EXPECT_TRUE(w.editNumerator->isReadOnly());
    EXPECT_EQ(w.lblDenominator1->text(), QStringLiteral("5"));
    EXPECT_EQ(w.lblDenominator2->text(), QStringLiteral("20"));
    EXPECT_EQ(backgroundOf(&w), toolPalette::TableFormColor);
    saveSnapshot(w, "UnitFractions");
    // Past 46340 the product leaves 32 bits; it is shown exactly.
    w.editDenominator->setText(QStringLiteral("100000"));
    click(w.NAGButton1);
    EXPECT_EQ(w.lblDenominator2->text(), QStringLiteral("10000100000"));
    w.editDenominator->setText(QStringLiteral("four"));
    click(w.NAGButton1);
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("'four' is not a valid integer value")});
    EXPECT_EQ(w.lblDenominator1->text(), QStringLiteral("100001"));
}
