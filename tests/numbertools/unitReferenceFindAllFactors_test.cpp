#include "numbertools/unitReferenceFindAllFactors.h"

#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace tv;
using namespace tv::test;

namespace {

struct FindAllFactorsWindow : ::testing::Test {
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmReferenceFindAllFactors w{host.ownerWindow()};

    void SetUp() override { showAndWait(w); }

    void factor(const QString& entry)
    {
        w.editNumber->clear();
        typeInto(w.editNumber, entry);
        click(w.btnFindFactors);
    }
};

} // namespace

TEST_F(FindAllFactorsWindow, OpensAsDescribed)
{
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Tallyvale Prime Factor Finder")));
    EXPECT_EQ(w.size(), QSize(630, 460));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.lblFactors->text(), QStringLiteral("1"));
    EXPECT_EQ(w.lblNbrFactors->text(), QString());
    EXPECT_EQ(faceOf(w.btnExit), toolPalette::ExitButtonColor);
    EXPECT_EQ(captionOf(w.btnExit), toolPalette::ExitButtonFontColor);
    EXPECT_EQ(captionOf(w.btnFindFactors), QColor(Qt::black));
    EXPECT_EQ(w.lblNbrFactors->alignment() & Qt::AlignRight, Qt::AlignRight);
    // The divisor list lies on the window's own colour, not a grey box.
    const QColor back(0xFD, 0xDF, 0x99);
    EXPECT_EQ(backgroundOf(&w), back);
    EXPECT_EQ(w.lblFactors->grab().toImage().pixelColor(w.lblFactors->width() / 2, w.lblFactors->height() / 2), back);
    saveSnapshot(w, "FindAllFactors");
}

TEST_F(FindAllFactorsWindow, ListsAndCountsTheDivisors)
{
    factor(QStringLiteral("12"));
    EXPECT_EQ(w.lblFactors->text(), QStringLiteral("1, 2, 3, 4, 6, 12"));
    EXPECT_EQ(w.lblNbrFactors->text(), QStringLiteral("6"));
    factor(QStringLiteral("1"));
    EXPECT_EQ(w.lblFactors->text(), QStringLiteral("1"));
    EXPECT_EQ(w.lblNbrFactors->text(), QStringLiteral("1"));
}

TEST_F(FindAllFactorsWindow, AThousandDivisorsScrollWithinTheWindow)
{
    factor(QStringLiteral("735134400"));
    EXPECT_EQ(w.lblNbrFactors->text(), QStringLiteral("1344"));
    EXPECT_TRUE(w.lblFactors->text().endsWith(QStringLiteral(", 735134400")));
    QApplication::processEvents();
    EXPECT_GT(w.factorsArea->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(w.factorsArea->geometry().bottom(), w.btnExit->geometry().top());
    saveSnapshot(w, "FindAllFactors-735134400");
}

TEST_F(FindAllFactorsWindow, BadEntryKeepsTheDisplay)
{
    factor(QStringLiteral("12"));
    factor(QString());
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_EQ(boxes.errors[0], QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(w.lblFactors->text(), QStringLiteral("1, 2, 3, 4, 6, 12"));
    EXPECT_EQ(w.lblNbrFactors->text(), QStringLiteral("6"));
    typeInto(w.editNumber, QStringLiteral("1234567890x"));
    EXPECT_EQ(w.editNumber->text(), QStringLiteral("123456789"));
    click(w.btnExit);
    EXPECT_FALSE(w.isVisible());
}
