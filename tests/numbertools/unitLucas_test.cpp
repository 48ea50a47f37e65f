#include "numbertools/unitLucas.h"

#include "numbertools/NumberSequences.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

TEST(LucasWindow, ShowsTheFactorisationsWithoutAnExitButton)
{
    FakeActivityHost host;
    TfrmLucas w(host.ownerWindow());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tallyvale - Lucas Numbers"));
    showAndWait(w);
    const QStringList lines = w.Memo1->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(lines, lucasLines());
    EXPECT_TRUE(lines.contains(QStringLiteral("6 : 18 = 2*3^2")));
    EXPECT_TRUE(w.Memo1->isReadOnly());
    EXPECT_EQ(w.findChildren<QPushButton*>().size(), 0);
    saveSnapshot(w, "Lucas");
}
