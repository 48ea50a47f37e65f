#include "numbertools/UnitBMI.h"

#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

TEST(BMIWindow, RatesTheEntriesAndRefusesBadOnes)
{
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmBMICalc w(host.ownerWindow());
    showAndWait(w);
    EXPECT_EQ(w.size(), QSize(544, 308));
    EXPECT_EQ(w.NAGLabel1->text(), QString());
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    EXPECT_EQ(w.lblWeight->palette().color(QPalette::Base), toolPalette::ToolEditColor);
    EXPECT_EQ(faceOf(w.btnCheckBMI), toolPalette::ToolButtonColor);
    EXPECT_EQ(w.lblTitle->font().pointSize(), toolPalette::ToolTitleFontSize);
    EXPECT_EQ(w.lblTitle->palette().color(QPalette::WindowText), toolPalette::ToolTitleFontColor);

    auto check = [&](const char* weight, const char* feet, const char* inches) {
        w.lblWeight->setText(QString::fromLatin1(weight));
        w.lblHeightFeet->setText(QString::fromLatin1(feet));
        w.lblHeightInches->setText(QString::fromLatin1(inches));
        click(w.btnCheckBMI);
        return w.NAGLabel1->text();
    };
    // The starting entries.
    EXPECT_EQ(check("120", "5", "2"), QStringLiteral("Your weight and height are in the Desirable range"));
    EXPECT_EQ(check("250", "5", "6"), QStringLiteral("Obese"));
    saveSnapshot(w, "BMI");
    EXPECT_EQ(check("0", "5", "6"), QStringLiteral("Obese")); // outside every band: kept
    // Feet, inches and weight are read in that order.
    check("x", "5.5", "y");
    check("x", "5", "");
    check("x", "5", "2");
    check("0", "0", "0");
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("'5.5' is not a valid integer value"),
                                         QStringLiteral("'' is not a valid integer value"),
                                         QStringLiteral("'x' is not a valid integer value"),
                                         QStringLiteral("Invalid floating point operation")}));
    EXPECT_EQ(w.NAGLabel1->text(), QStringLiteral("Obese"));
}
