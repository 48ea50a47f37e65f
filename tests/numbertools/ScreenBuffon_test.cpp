#include "numbertools/ScreenBuffon.h"

#include "app/Random.h"
#include "tests/numbertools/CalculatorWindowTest.h"
#include "ui/PageControl.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

using namespace tv;
using namespace tv::test;

namespace {

struct CountingBeeper : buffon::Beeper {
    int beeps = 0;
    void beep() override { ++beeps; }
};

void setGroupSize(TFormBuffon& w, int clicksUp)
{
    for (int i = 0; i < clicksUp; ++i)
        w.SpinButtonGroupCountUp->click();
}

} // namespace

TEST(BuffonWindow, OpensWithMethodTwoOneTossPerClickAndNoEstimate)
{
    FakeActivityHost host;
    TFormBuffon w(host.ownerWindow());
    showAndWait(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Buffon's  Needles"));
    EXPECT_EQ(w.size(), QSize(632, 453));
    EXPECT_TRUE(w.RadioButtonMethod[1]->isChecked());
    EXPECT_EQ(w.simulation().method(), 2);
    EXPECT_EQ(w.LabelGroupCount->text(), QStringLiteral("1 time"));
    EXPECT_EQ(w.LabelCounts->text(), QStringLiteral("0 Tosses, 0 Crossings"));
    EXPECT_EQ(w.LabelEstimate->text(), QString());
    EXPECT_FALSE(w.LabelPiApprox->isVisible());
    EXPECT_FALSE(w.LabelElapsed->isVisible());
    EXPECT_FALSE(w.ButtonCancel->isVisible());
    EXPECT_FALSE(w.ProgressBar1->isVisible());
    EXPECT_EQ(w.SpinEditParallelLines->value(), 16);
    EXPECT_EQ(w.lineSpacing(), 20);
    EXPECT_EQ(w.linesDrawn(), 16);
    saveSnapshot(w, "Buffon");
}

TEST(BuffonWindow, TossesUpdateCountsEstimateAndElapsedTime)
{
    FakeActivityHost host;
    TFormBuffon w(host.ownerWindow());
    showAndWait(w);
    click(w.ButtonToss);
    const QString one = w.LabelCounts->text();
    EXPECT_TRUE(one == QStringLiteral("1 Toss, 1 Crossing") || one == QStringLiteral("1 Toss, 0 Crossings")) << qPrintable(one);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d{3} sec$")).match(w.LabelElapsed->text()).hasMatch())
        << qPrintable(w.LabelElapsed->text());
    EXPECT_TRUE(w.LabelElapsed->isVisible());

    setGroupSize(w, 3);
    click(w.ButtonToss);
    const buffon::Counts& c = w.simulation().counts();
    EXPECT_EQ(c.tosses, 1001);
    ASSERT_GT(c.crossings, 0);
    EXPECT_EQ(w.LabelCounts->text(), buffon::countsText(c));
    EXPECT_EQ(w.LabelEstimate->text(), QString::asprintf("%.6f", 2.0 * 1001 / static_cast<double>(c.crossings)));
    EXPECT_TRUE(w.LabelPiApprox->isVisible());
    EXPECT_FALSE(w.ButtonCancel->isVisible());
    // Graphics on: the toss picture and graph carry the needles.
    int red = 0;
    const QImage& g = w.graphPicture();
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x)
            red += g.pixel(x, y) == buffon::Red;
    EXPECT_GT(red, 0);
    saveSnapshot(w, "Buffon-Tosses");
    const char* const pages[] = {"Buffon-Graph", "Buffon-Formula", "Buffon-Setup"};
    for (int i = 0; i < 3; ++i) {
        w.PageControl1->setCurrentIndex(i + 1);
        saveSnapshot(w, pages[i]);
    }
}

TEST(BuffonWindow, GroupSizeArrowsBeepAtTheLimits)
{
    FakeActivityHost host;
    TFormBuffon w(host.ownerWindow());
    CountingBeeper beeper;
    w.setBeeper(&beeper);
    showAndWait(w);
    w.SpinButtonGroupCountDown->click();
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(w.LabelGroupCount->text(), QStringLiteral("1 time"));
    setGroupSize(w, 8);
    EXPECT_EQ(beeper.beeps, 2);
    EXPECT_EQ(w.groupSize(), 10'000'000);
    EXPECT_EQ(w.LabelGroupCount->text(), QStringLiteral("10,000,000 times"));
}

TEST(BuffonWindow, GraphicsMethodAndResetStartAfreshAndLinesChangeAtTheNextReset)
{
    FakeActivityHost host;
    TFormBuffon w(host.ownerWindow());
    showAndWait(w);
    setGroupSize(w, 2);
    click(w.ButtonToss);
    ASSERT_EQ(w.simulation().counts().tosses, 100);
    click(w.CheckBoxGraphics);
    EXPECT_FALSE(w.CheckBoxGraphics->isChecked());
    EXPECT_EQ(w.simulation().counts().tosses, 0);
    EXPECT_EQ(w.LabelCounts->text(), QStringLiteral("0 Tosses, 0 Crossings"));
    EXPECT_FALSE(w.LabelPiApprox->isVisible());
    EXPECT_FALSE(w.LabelElapsed->isVisible());

    click(w.ButtonToss);
    EXPECT_EQ(w.simulation().counts().tosses, 100);
    click(w.CheckBoxGraphics);
    EXPECT_EQ(w.simulation().counts().tosses, 0);

    w.SpinEditParallelLines->setValue(50);
    EXPECT_EQ(w.lineSpacing(), 20);
    click(w.ButtonToss);
    w.PageControl1->setCurrentIndex(3);
    click(w.RadioButtonMethod[3]);
    EXPECT_EQ(w.simulation().method(), 4);
    EXPECT_EQ(w.simulation().counts().tosses, 0);
    EXPECT_EQ(w.lineSpacing(), 6);
    EXPECT_EQ(w.linesDrawn(), 54); // rows 0, 6, ..., 318
}

TEST(BuffonWindow, CancelStopsALongGroup)
{
    FakeActivityHost host;
    TFormBuffon w(host.ownerWindow());
    showAndWait(w);
    setGroupSize(w, 6);
    bool cancelShown = false;
    QTimer::singleShot(0, &w, [&] {
        cancelShown = w.ButtonCancel->isVisible() && w.ProgressBar1->isVisible();
        click(w.ButtonCancel);
    });
    click(w.ButtonToss);
    EXPECT_TRUE(cancelShown);
    EXPECT_GT(w.simulation().counts().tosses, 0);
    EXPECT_LT(w.simulation().counts().tosses, 1'000'000);
    EXPECT_FALSE(w.ButtonCancel->isVisible());
    EXPECT_TRUE(w.ButtonToss->isEnabled());
}
