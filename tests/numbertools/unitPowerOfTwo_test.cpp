#include "numbertools/unitPowerOfTwo.h"

#include "numbertools/NumberSequences.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>

using namespace tv;
using namespace tv::test;

TEST(PowerOfTwoWindow, ShowsTheWholeTextInAFixedPitchFace)
{
    FakeActivityHost host;
    TfrmPowerOfTwo w(host.ownerWindow());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmPowerOfTwo"));
    showAndWait(w);
    EXPECT_TRUE(w.Memo1->isReadOnly());
    EXPECT_EQ(w.Memo1->blockCount(), 444);
    EXPECT_EQ(w.Memo1->toPlainText().split(QLatin1Char('\n')), powersOfTwoLines());
    EXPECT_TRUE(QFontInfo(w.Memo1->font()).fixedPitch());
    EXPECT_EQ(w.lblTitle->text(), QStringLiteral("Powers of Two"));
    saveSnapshot(w, "PowerOfTwo");
}
