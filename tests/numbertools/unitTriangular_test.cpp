#include "numbertools/unitTriangular.h"

#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QRegularExpression>

using namespace tv;
using namespace tv::test;

TEST(TriangularWindow, LessonWorksItsExamplesOut)
{
    FakeActivityHost host;
    TfrmTriangular w(host.ownerWindow());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("frmTriangular"));
    showAndWait(w);
    const QString lesson = w.Memo1->toPlainText();
    EXPECT_EQ(lesson, TfrmTriangular::lessonText());
    // Every "n times m = p" the lesson states is right, and it ends on the
    // sum of the first thousand numbers.
    const QRegularExpression product(QStringLiteral("(\\d+) times (\\d+) = (\\d+)"));
    int checked = 0;
    for (auto it = product.globalMatch(lesson); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        EXPECT_EQ(m.captured(1).toLongLong() * m.captured(2).toLongLong(), m.captured(3).toLongLong())
            << m.captured(0).toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 3);
    EXPECT_TRUE(lesson.endsWith(QStringLiteral("500,500.")));
    EXPECT_TRUE(w.Memo1->isReadOnly());
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    // The picture is drawn: it is not one flat colour.
    const QImage picture = w.Image1->grab().toImage();
    EXPECT_NE(picture.pixelColor(picture.width() / 2, picture.height() / 7 + 1), picture.pixelColor(3, 3));
    saveSnapshot(w, "Triangular");
}
