#include "numbertools/unitFractionCalc.h"

#include "numbertools/FractionCalculation.h"
#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace tv;
using namespace tv::test;

namespace {

struct FractionCalcWindow : ::testing::Test {
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmFractionCalc w{host.ownerWindow()};

    void SetUp() override { showAndWait(w); }

    QString calculate(const QString& first, QRadioButton* op, const QString& second)
    {
        w.editFirst->setText(first);
        w.editSecond->setText(second);
        click(op);
        click(w.btnFindAnswer);
        return w.editAnswer->text();
    }
};

} // namespace

TEST_F(FractionCalcWindow, OpensAsDescribed)
{
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Tallyvale")));
    EXPECT_EQ(w.size(), QSize(547, 399));
    EXPECT_EQ(w.editFirst->text(), QStringLiteral("0"));
    EXPECT_EQ(w.editSecond->text(), QStringLiteral("0"));
    EXPECT_TRUE(w.rbSubtract->isChecked());
    EXPECT_TRUE(w.editAnswer->isReadOnly());
    EXPECT_FALSE(w.editAnswer->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(w.lbltitle->text(), QStringLiteral("Tallyvale, Fraction Calculator"));
    EXPECT_TRUE(w.lblInstructions->text().startsWith(QStringLiteral("Enter both your numbers")));
    EXPECT_TRUE(TfrmFractionCalc::InstructionText.contains(QStringLiteral("Whole Number:  4\r\nCommon Fraction:  5/6\r\n")));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    EXPECT_EQ(faceOf(w.btnFindAnswer), toolPalette::ToolButtonColor);
    EXPECT_EQ(faceOf(w.btnExit), toolPalette::ExitButtonColor);
    EXPECT_EQ(captionOf(w.btnExit), toolPalette::ExitButtonFontColor);
    saveSnapshot(w, "FractionCalc");
}

TEST_F(FractionCalcWindow, EachOperationFromItsButton)
{
    click(w.btnFindAnswer);
    EXPECT_EQ(w.editAnswer->text(), QStringLiteral("0 0/1"));
    EXPECT_EQ(calculate(QStringLiteral("1 1/2"), w.rbAdd, QStringLiteral("2 1/3")), QStringLiteral("3 5/6"));
    EXPECT_EQ(calculate(QStringLiteral("1/4"), w.rbSubtract, QStringLiteral("7/4")), QStringLiteral("-1 -1/2"));
    EXPECT_EQ(calculate(QStringLiteral("2/3"), w.rbMultiply, QStringLiteral("3")), QStringLiteral("2 0/1"));
    EXPECT_EQ(calculate(QStringLiteral("1/2"), w.rbDivide, QStringLiteral("-1/3")), QStringLiteral("-1 1/-2"));
    saveSnapshot(w, "FractionCalcAnswer");
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(FractionCalcWindow, FailuresLeaveTheAnswerAndTheWindowUsable)
{
    calculate(QStringLiteral("1/2"), w.rbAdd, QStringLiteral("1/3"));
    const QString shown = w.editAnswer->text();
    calculate(QStringLiteral("1/2"), w.rbDivide, QStringLiteral("0"));
    calculate(QStringLiteral("1 2"), w.rbAdd, QStringLiteral("0"));
    calculate(QStringLiteral("2147483647 1/2147483647"), w.rbMultiply, QStringLiteral("2147483647 1/2147483647"));
    EXPECT_EQ(boxes.errors,
              (QStringList{QStringLiteral("Division by zero"), QStringLiteral("'2 0' is not a valid integer value"),
                           FractionTooLargeMessage}));
    EXPECT_EQ(w.editAnswer->text(), shown);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(calculate(QStringLiteral("1/2"), w.rbAdd, QStringLiteral("1/2")), QStringLiteral("1 0/1"));
}

TEST_F(FractionCalcWindow, ExitCloses)
{
    click(w.btnExit);
    EXPECT_FALSE(w.isVisible());
}
