#include "numbertools/unitChinese.h"

#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

namespace {

struct ChineseWindow : ::testing::Test {
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmChinese w{host.ownerWindow()};
    void SetUp() override { showAndWait(w); }

    QString search(const char* r1, const char* m1, const char* r2, const char* m2)
    {
        w.Edit1->setText(QString::fromLatin1(r1));
        w.Edit2->setText(QString::fromLatin1(m1));
        w.Edit3->setText(QString::fromLatin1(r2));
        w.Edit4->setText(QString::fromLatin1(m2));
        click(w.Button1);
        return w.Label1->text();
    }
};

} // namespace

TEST_F(ChineseWindow, StartsWithTheControlNames)
{
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmChinese"));
    EXPECT_EQ(w.lblTitle->text(), QStringLiteral("Not Ready Yet!"));
    EXPECT_EQ(w.Edit1->text(), QStringLiteral("Edit1"));
    EXPECT_EQ(w.Edit4->text(), QStringLiteral("Edit4"));
    EXPECT_EQ(w.Button1->text(), QStringLiteral("Button1"));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Label1"));
    click(w.Button1);
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("'Edit1' is not a valid integer value")});
    saveSnapshot(w, "Chinese");
}

TEST_F(ChineseWindow, FindsTheFirstNumberOrKeepsTheLabel)
{
    EXPECT_EQ(search("2", "3", "3", "5"), QStringLiteral("8"));
    EXPECT_EQ(search("5", "3", "0", "1"), QStringLiteral("8"));
    EXPECT_EQ(search("2", "0", "3", "5"), QStringLiteral("8"));
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Division by zero")});
    EXPECT_EQ(search("0", "7", "0", "11"), QStringLiteral("77"));
}
