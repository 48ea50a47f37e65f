#include "numbertools/unitChinese.h"

#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

TEST(ChineseWindow, SearchesFromItsBoxesOrKeepsTheLabel)
{
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmChinese w(host.ownerWindow());
    showAndWait(w);
    EXPECT_EQ(w.lblTitle->text(), QStringLiteral("Not Ready Yet!"));
    EXPECT_EQ(w.Edit3->text(), QStringLiteral("Edit3"));
    click(w.Button1); // the boxes still hold their names
    auto search = [&](const char* r1, const char* m1, const char* r2, const char* m2) {
        w.Edit1->setText(QString::fromLatin1(r1));
        w.Edit2->setText(QString::fromLatin1(m1));
        w.Edit3->setText(QString::fromLatin1(r2));
        w.Edit4->setText(QString::fromLatin1(m2));
        click(w.Button1);
        return w.Label1->text();
    };
    EXPECT_EQ(search("2", "3", "3", "5"), QStringLiteral("8"));
    EXPECT_EQ(search("5", "3", "0", "1"), QStringLiteral("8")); // none found
    EXPECT_EQ(search("2", "0", "3", "5"), QStringLiteral("8"));
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("'Edit1' is not a valid integer value"),
                                         QStringLiteral("Division by zero")}));
    saveSnapshot(w, "Chinese");
}
