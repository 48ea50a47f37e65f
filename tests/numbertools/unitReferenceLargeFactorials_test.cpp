#include "numbertools/unitReferenceLargeFactorials.h"

#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

using namespace tv;
using namespace tv::test;

namespace {

struct LargeFactorialsWindow : ::testing::Test {
    FakeActivityHost host;
    TfrmReferenceLargeFactorials w{host.ownerWindow()};

    void compute(int n)
    {
        w.UpDown1->setValue(n);
        click(w.ComputeBtn);
    }
};

} // namespace

TEST_F(LargeFactorialsWindow, OpensShowingTenFactorial)
{
    EXPECT_EQ(w.Factout->toPlainText(), QStringLiteral("1"));
    showAndWait(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tallyvale - Large Factorials"));
    EXPECT_EQ(w.size(), QSize(557, 445));
    EXPECT_EQ(w.UpDown1->value(), 10);
    EXPECT_EQ(w.Factout->toPlainText(), QStringLiteral("3, 628, 800"));
    EXPECT_EQ(w.lblNumberDigits->text(), QStringLiteral("10! is 7 digits long."));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // hourglass gone again
    saveSnapshot(w, "LargeFactorials");
}

TEST_F(LargeFactorialsWindow, SpinControlStaysWithinOneTo999)
{
    EXPECT_EQ(w.UpDown1->minimum(), 1);
    EXPECT_EQ(w.UpDown1->maximum(), 999);
    EXPECT_FALSE(w.UpDown1->wrapping());
    w.UpDown1->setValue(999);
    w.UpDown1->stepUp();
    EXPECT_EQ(w.UpDown1->value(), 999);
    w.UpDown1->setValue(1);
    w.UpDown1->stepDown();
    EXPECT_EQ(w.UpDown1->value(), 1);
}

TEST_F(LargeFactorialsWindow, ComputesOnEveryClick)
{
    showAndWait(w);
    compute(1);
    EXPECT_EQ(w.Factout->toPlainText(), QStringLiteral("1"));
    EXPECT_EQ(w.lblNumberDigits->text(), QStringLiteral("1! is 1 digits long."));
    compute(13);
    EXPECT_EQ(w.Factout->toPlainText(), QStringLiteral("6, 227, 020, 800"));
    compute(999);
    EXPECT_EQ(w.lblNumberDigits->text(), QStringLiteral("999! is 2565 digits long."));
    const QString text = w.Factout->toPlainText();
    EXPECT_EQ(w.Factout->document()->blockCount(), 1);
    EXPECT_TRUE(text.startsWith(QStringLiteral("402, 387, 260, ")));
    EXPECT_TRUE(text.endsWith(QStringLiteral(", 000, 000")));
    // The top of the number is in view, the caret at its start.
    EXPECT_EQ(w.Factout->textCursor().position(), 0);
    EXPECT_EQ(w.Factout->verticalScrollBar()->value(), 0);
    EXPECT_GT(w.Factout->verticalScrollBar()->maximum(), 0);
    saveSnapshot(w, "LargeFactorials-999");
}

TEST_F(LargeFactorialsWindow, ExitCloses)
{
    showAndWait(w);
    EXPECT_EQ(w.NAGButton1->text(), QStringLiteral("Exit"));
    click(w.NAGButton1);
    EXPECT_FALSE(w.isVisible());
}
