#include "numbertools/UnitBMI.h"

#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

namespace {

struct BMIWindow : ::testing::Test {
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmBMICalc w{host.ownerWindow()};

    void SetUp() override { showAndWait(w); }

    QString check(const QString& weight, const QString& feet, const QString& inches)
    {
        w.lblWeight->setText(weight);
        w.lblHeightFeet->setText(feet);
        w.lblHeightInches->setText(inches);
        click(w.btnCheckBMI);
        return w.NAGLabel1->text();
    }
};

} // namespace

TEST_F(BMIWindow, OpensAsDescribed)
{
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Tallyvale BMI Calculator")));
    EXPECT_EQ(w.size(), QSize(544, 308));
    EXPECT_EQ(w.lblWeight->text(), QStringLiteral("120"));
    EXPECT_EQ(w.lblHeightFeet->text(), QStringLiteral("5"));
    EXPECT_EQ(w.lblHeightInches->text(), QStringLiteral("2"));
    EXPECT_EQ(w.NAGLabel1->text(), QString());
    EXPECT_EQ(w.lblTitle->text(), QStringLiteral("Tallyvale,\nBody Mass Index Calculator"));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    EXPECT_EQ(w.lblWeight->palette().color(QPalette::Base), toolPalette::ToolEditColor);
    EXPECT_EQ(faceOf(w.btnCheckBMI), toolPalette::ToolButtonColor);
    EXPECT_EQ(faceOf(w.btnExit), toolPalette::ExitButtonColor);
    EXPECT_EQ(w.lblTitle->font().pointSize(), toolPalette::ToolTitleFontSize);
    EXPECT_EQ(w.lblTitle->palette().color(QPalette::WindowText), toolPalette::ToolTitleFontColor);
    saveSnapshot(w, "BMI");
}

TEST_F(BMIWindow, RatesTheEntries)
{
    EXPECT_EQ(check(QStringLiteral("120"), QStringLiteral("5"), QStringLiteral("2")),
              QStringLiteral("Your weight and height are in the Desirable range"));
    EXPECT_EQ(check(QStringLiteral("38"), QStringLiteral("0"), QStringLiteral("38")),
              QStringLiteral("You are in the Underweight range"));
    EXPECT_EQ(check(QStringLiteral("250"), QStringLiteral("5"), QStringLiteral("6")), QStringLiteral("Obese"));
    saveSnapshot(w, "BMIRated");
    // Outside every band the rating stays.
    EXPECT_EQ(check(QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("6")), QStringLiteral("Obese"));
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(BMIWindow, BadEntriesAreRefusedInReadingOrder)
{
    check(QStringLiteral("120"), QStringLiteral("5"), QStringLiteral("2"));
    check(QStringLiteral("x"), QStringLiteral("5.5"), QStringLiteral("y"));
    check(QStringLiteral("x"), QStringLiteral("5"), QStringLiteral(""));
    check(QStringLiteral("x"), QStringLiteral("5"), QStringLiteral("2"));
    check(QStringLiteral("120"), QStringLiteral("0"), QStringLiteral("0"));
    check(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("'5.5' is not a valid integer value"),
                                         QStringLiteral("'' is not a valid integer value"),
                                         QStringLiteral("'x' is not a valid integer value"),
                                         QStringLiteral("Floating point division by zero"),
                                         QStringLiteral("Invalid floating point operation")}));
    EXPECT_EQ(w.NAGLabel1->text(), QStringLiteral("Your weight and height are in the Desirable range"));
    EXPECT_TRUE(w.isVisible());
}
