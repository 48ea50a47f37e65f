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

    QString calculate(const char* first, QRadioButton* op, const char* second)
    {
        w.editFirst->setText(QString::fromLatin1(first));
        w.editSecond->setText(QString::fromLatin1(second));
        click(op);
        click(w.btnFindAnswer);
        return w.editAnswer->text();
    }
};

} // namespace

TEST_F(FractionCalcWindow, OpensAsDescribed)
{
    EXPECT_EQ(w.size(), QSize(547, 399));
    EXPECT_EQ(w.editFirst->text(), QStringLiteral("0"));
    EXPECT_TRUE(w.rbSubtract->isChecked());
    EXPECT_TRUE(w.editAnswer->isReadOnly());
    EXPECT_FALSE(w.editAnswer->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(TfrmFractionCalc::InstructionText.contains(QStringLiteral("Whole Number:  4\r\nCommon Fraction:  5/6\r\n")));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    EXPECT_EQ(faceOf(w.btnFindAnswer), toolPalette::ToolButtonColor);
    EXPECT_EQ(captionOf(w.btnExit), toolPalette::ExitButtonFontColor);
    click(w.btnFindAnswer);
    EXPECT_EQ(w.editAnswer->text(), QStringLiteral("0 0/1"));
    saveSnapshot(w, "FractionCalc");
}

TEST_F(FractionCalcWindow, EachButtonPicksItsOperation)
{
    EXPECT_EQ(calculate("1 1/2", w.rbAdd, "2 1/3"), QStringLiteral("3 5/6"));
    EXPECT_EQ(calculate("1/4", w.rbSubtract, "7/4"), QStringLiteral("-1 -1/2"));
    EXPECT_EQ(calculate("2/3", w.rbMultiply, "3"), QStringLiteral("2 0/1"));
    EXPECT_EQ(calculate("1/2", w.rbDivide, "-1/3"), QStringLiteral("-1 1/-2"));
    saveSnapshot(w, "FractionCalcAnswer");
}

TEST_F(FractionCalcWindow, FailuresLeaveTheAnswerAndTheWindowUsable)
{
    const QString shown = calculate("1/2", w.rbAdd, "1/3");
    calculate("1/2", w.rbDivide, "0");
    calculate("1 2", w.rbAdd, "0");
    calculate("2147483647 1/2147483647", w.rbMultiply, "2147483647 1/2147483647");
    EXPECT_EQ(boxes.errors,
              (QStringList{QStringLiteral("Division by zero"), QStringLiteral("'2 0' is not a valid integer value"),
                           FractionTooLargeMessage}));
    EXPECT_EQ(w.editAnswer->text(), shown);
    EXPECT_EQ(calculate("1/2", w.rbAdd, "1/2"), QStringLiteral("1 0/1"));
    click(w.btnExit);
    EXPECT_FALSE(w.isVisible());
}
