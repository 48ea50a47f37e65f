#include "numbertools/unitReferencePrimeFactoring.h"

#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

using namespace tv;
using namespace tv::test;

namespace {

struct PrimeFactoringWindow : ::testing::Test {
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmReferencePrimeFactoring w{host.ownerWindow()};

    void SetUp() override { showAndWait(w); }

    QString factor(const QString& entry)
    {
        w.editNumber->clear();
        typeInto(w.editNumber, entry);
        click(w.btnFindFactors);
        return w.lblFactors->text();
    }
};

} // namespace

TEST_F(PrimeFactoringWindow, OpensAsDescribed)
{
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Tallyvale Prime Factor Finder")));
    EXPECT_EQ(w.size(), QSize(592, 406));
    EXPECT_EQ(w.lblFactors->text(), QStringLiteral("1"));
    EXPECT_EQ(w.btnFindFactors->text(), QStringLiteral("Factor It"));
    EXPECT_EQ(faceOf(w.btnFindFactors), QColor(0xEA, 0xD8, 0xBF));
    EXPECT_EQ(captionOf(w.btnFindFactors), QColor(Qt::red));
    EXPECT_EQ(backgroundOf(&w), QColor(0xFD, 0xDF, 0x99));
    EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("editNumber")), w.editNumber);
    saveSnapshot(w, "PrimeFactoring");
}

TEST_F(PrimeFactoringWindow, TheFactorTreePictureLiesWhollyInTheWindow)
{
    auto* tree = w.findChild<QLabel*>(QStringLiteral("imgFactorTree"));
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(w.rect().contains(tree->geometry()));
    EXPECT_EQ(tree->pixmap().size(), tree->size());
    // Something is drawn on the background.
    const QImage picture = tree->pixmap().toImage();
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            drawn += picture.pixelColor(x, y) != QColor(0xFD, 0xDF, 0x99);
    EXPECT_GT(drawn, 500);
}

TEST_F(PrimeFactoringWindow, FactorsTheTypedNumber)
{
    EXPECT_EQ(factor(QStringLiteral("360")), QStringLiteral("2, 2, 2, 3, 3, 5"));
    EXPECT_EQ(factor(QStringLiteral("1048576")), QStringList(20, QStringLiteral("2")).join(QStringLiteral(", ")));
    saveSnapshot(w, "PrimeFactoring-1048576");
    EXPECT_EQ(factor(QStringLiteral("1")), QString());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(PrimeFactoringWindow, EntryTakesAtMostSevenDigits)
{
    typeInto(w.editNumber, QStringLiteral("12a-34.5678"));
    EXPECT_EQ(w.editNumber->text(), QStringLiteral("1234567"));
}

TEST_F(PrimeFactoringWindow, EmptyEntryIsRefusedAndTheResultStays)
{
    factor(QStringLiteral("12"));
    EXPECT_EQ(factor(QString()), QStringLiteral("2, 2, 3"));
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_EQ(boxes.errors[0], QStringLiteral("'' is not a valid integer value"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(factor(QStringLiteral("15")), QStringLiteral("3, 5"));
}

TEST_F(PrimeFactoringWindow, EnterMovesToTheNextControl)
{
    w.FormActivate();
    w.editNumber->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_TRUE(w.editNumber->hasFocus());
    QTest::keyClick(w.editNumber, Qt::Key_Return);
    EXPECT_TRUE(w.btnFindFactors->hasFocus());
    EXPECT_EQ(w.lblFactors->text(), QStringLiteral("1")); // nothing pressed
    EXPECT_TRUE(boxes.errors.isEmpty());
}
