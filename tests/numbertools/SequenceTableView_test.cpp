#include "numbertools/SequenceTableView.h"

#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QScrollBar>

using namespace tv;
using namespace tv::test;

TEST(SequenceTable, StoredRowsFollowOnFromASource)
{
    SequenceTableView t(QStringLiteral("Number"), QStringLiteral("Square"));
    t.setRowSource(3, [](std::int64_t r) { return std::pair{QString::number(r), QStringLiteral("s")}; });
    t.appendRow(QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_EQ(t.rowCount(), 4);
    EXPECT_EQ(t.keyAt(2), QStringLiteral("2"));
    EXPECT_EQ(t.valueAt(3), QStringLiteral("y"));
    EXPECT_EQ(t.valueAt(4), QString());
    t.clearRows();
    EXPECT_EQ(t.rowCount(), 0);
}

TEST(SequenceTable, HugeSourcesFormatOnlyTheRowsOnScreen)
{
    SequenceTableView t(QStringLiteral("Number"), QStringLiteral("Square"));
    t.resize(240, 200);
    showAndWait(t);
    std::int64_t asked = 0;
    const std::int64_t huge = 2147483648LL;
    t.setRowSource(huge, [&](std::int64_t r) {
        ++asked;
        return std::pair{QString::number(r), QString()};
    });
    t.grab();
    QTest::keyClick(&t, Qt::Key_End);
    EXPECT_EQ(t.currentRow(), huge - 1);
    EXPECT_GT(t.topRow(), huge - 20);
    t.grab();
    QTest::keyClick(&t, Qt::Key_Home);
    QTest::keyClick(&t, Qt::Key_Down);
    EXPECT_EQ(t.currentRow(), 1);
    EXPECT_EQ(t.topRow(), 0);
    EXPECT_LT(asked, 200);
    // A click picks the row under the pointer; the first line holds the titles.
    const int h = t.rowHeight();
    t.verticalScrollBar()->setValue(10);
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, QPoint(10, h * 3 + h / 2));
    EXPECT_EQ(t.currentRow(), 12);
}
