#include "numbertools/UnitReferenceDiophantine.h"

#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

namespace {

struct DiophantineWindow : ::testing::Test {
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmReferenceDiophantine w{host.ownerWindow()};

    void SetUp() override { showAndWait(w); }

    void solve(const QString& a, const QString& b, const QString& c)
    {
        w.editX->setText(a);
        w.editY->setText(b);
        w.editZ->setText(c);
        click(w.btnSolve);
    }
};

} // namespace

TEST_F(DiophantineWindow, OpensAsDescribed)
{
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Tallyvale")));
    EXPECT_EQ(w.size(), QSize(595, 414));
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    EXPECT_EQ(faceOf(w.btnSolve), toolPalette::ToolButtonColor);
    EXPECT_EQ(captionOf(w.btnSolve), QColor(Qt::red));
    EXPECT_EQ(faceOf(w.btnExit), toolPalette::ExitButtonColor);
    EXPECT_EQ(w.generalX->text(), QString());
    EXPECT_EQ(w.generalY->text(), QString());
    EXPECT_EQ(w.lblWarning->text(), QString());
    EXPECT_EQ(w.lblWarning->width(), 260);
    const auto* intro = w.findChild<QLabel*>(QStringLiteral("lblIntroduction"));
    ASSERT_NE(intro, nullptr);
    EXPECT_TRUE(intro->text().contains(QStringLiteral("such as 5x-3y=1. One possible solution is x=2 and y=3")));
    solve(QStringLiteral("5"), QStringLiteral("-3"), QStringLiteral("1"));
    saveSnapshot(w, "Diophantine");
}

TEST_F(DiophantineWindow, SolvesAndWarns)
{
    solve(QStringLiteral("5"), QStringLiteral("-3"), QStringLiteral("1"));
    EXPECT_EQ(w.generalX->text(), QStringLiteral("x = -1 + 3k"));
    EXPECT_EQ(w.generalY->text(), QStringLiteral("y = -2 - -5k"));
    solve(QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("3"));
    EXPECT_EQ(w.lblWarning->text(), QStringLiteral("NO SOLUTION EXISTS!"));
    EXPECT_EQ(w.generalX->text(), QStringLiteral("x = -1 + 3k")); // unchanged
    EXPECT_EQ(w.generalY->text(), QStringLiteral("y = -2 - -5k"));
    saveSnapshot(w, "Diophantine-NoSolution");
    solve(QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("2"));
    EXPECT_EQ(w.lblWarning->text(), QString());
    EXPECT_EQ(w.generalX->text(), QStringLiteral("x = -1 + 3k"));
    EXPECT_EQ(w.generalY->text(), QStringLiteral("y = 1 - 2k"));
    solve(QStringLiteral("7"), QStringLiteral("0"), QStringLiteral("3"));
    EXPECT_EQ(w.lblWarning->text(), QStringLiteral("NO SOLUTION EXISTS!"));
    solve(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    EXPECT_EQ(w.generalX->text(), QStringLiteral("x = any integer"));
    EXPECT_EQ(w.generalY->text(), QStringLiteral("y = any integer"));
}

TEST_F(DiophantineWindow, BadBoxClearsOnlyTheWarning)
{
    solve(QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("0"));
    solve(QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("3"));
    solve(QStringLiteral("4"), QStringLiteral("six"), QStringLiteral("3"));
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_EQ(boxes.errors[0], QStringLiteral("'six' is not a valid integer value"));
    EXPECT_EQ(w.lblWarning->text(), QString());
    EXPECT_EQ(w.generalX->text(), QStringLiteral("x = 0 + -5k"));
    EXPECT_EQ(w.generalY->text(), QStringLiteral("y = 0 + 3k"));
    EXPECT_TRUE(w.isVisible());
    click(w.btnExit);
    EXPECT_FALSE(w.isVisible());
}
