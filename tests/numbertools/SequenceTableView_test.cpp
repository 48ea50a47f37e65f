#include "numbertools/SequenceTableView.h"

#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QScrollBar>

using namespace tv;
using namespace tv::test;

namespace {

struct TableView : ::testing::Test {
    SequenceTableView t{QStringLiteral("Number"), QStringLiteral("Square")};
    void SetUp() override
    {
        t.resize(240, 200);
        showAndWait(t);
    }
};

} // namespace

TEST_F(TableView, StoredRowsInOrder)
{
    t.appendRow(QStringLiteral("1"), QStringLiteral("one"));
    t.appendRow(QStringLiteral("2"), QStringLiteral("two"));
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.keyAt(1), QStringLiteral("2"));
    EXPECT_EQ(t.valueAt(0), QStringLiteral("one"));
    EXPECT_EQ(t.valueAt(2), QString());
    t.clearRows();
    EXPECT_EQ(t.rowCount(), 0);
}

TEST_F(TableView, OnDemandRowsOnlyFormatWhatIsShown)
{
    std::int64_t asked = 0;
    const std::int64_t huge = 2147483648LL;
    t.setRowSource(huge, [&](std::int64_t r) {
        ++asked;
        return std::pair{QString::number(r), QString::number(r * r)};
    });
    EXPECT_EQ(t.rowCount(), huge);
    t.grab();
    EXPECT_LT(asked, 100);
    // Jump to the last row: it is on screen and the count is still right.
    QTest::keyClick(&t, Qt::Key_End);
    EXPECT_EQ(t.currentRow(), huge - 1);
    EXPECT_GT(t.topRow(), huge - 20);
    EXPECT_EQ(t.keyAt(huge - 1), QStringLiteral("2147483647"));
    QTest::keyClick(&t, Qt::Key_Home);
    EXPECT_EQ(t.topRow(), 0);
    QTest::keyClick(&t, Qt::Key_Down);
    EXPECT_EQ(t.currentRow(), 1);
    EXPECT_LT(asked, 400);
}

TEST_F(TableView, AppendingAfterASourceKeepsItsRows)
{
    t.setRowSource(3, [](std::int64_t r) { return std::pair{QString::number(r), QStringLiteral("s")}; });
    t.appendRow(QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_EQ(t.rowCount(), 4);
    EXPECT_EQ(t.keyAt(2), QStringLiteral("2"));
    EXPECT_EQ(t.keyAt(3), QStringLiteral("x"));
}

TEST_F(TableView, ClickSelectsTheRowUnderThePointer)
{
    for (int i = 0; i < 30; ++i)
        t.appendRow(QString::number(i), QString());
    const int h = t.rowHeight();
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, QPoint(10, h * 3 + h / 2));
    EXPECT_EQ(t.currentRow(), 2); // the first line holds the titles
    t.verticalScrollBar()->setValue(10);
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, QPoint(10, h + 2));
    EXPECT_EQ(t.currentRow(), 10);
}
