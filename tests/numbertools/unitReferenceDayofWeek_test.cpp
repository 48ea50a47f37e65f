#include "numbertools/unitReferenceDayofWeek.h"

#include "numbertools/ToolPalette.h"
#include "tests/numbertools/CalculatorWindowTest.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tv;
using namespace tv::test;

namespace {

struct DayOfWeekWindow : ::testing::Test {
    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    TfrmReferenceDayOfWeek w{host.ownerWindow()};

    void SetUp() override { showAndWait(w); }

    QString find(const QString& y, const QString& m, const QString& d)
    {
        w.lblYear->setText(y);
        w.lblMonth->setText(m);
        w.lblDay->setText(d);
        click(w.btnDayOfWeek);
        return w.NAGLabel1->text();
    }
};

} // namespace

TEST_F(DayOfWeekWindow, OpensWithTheFirstDayOf2000)
{
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Tallyvale Date Calculator")));
    EXPECT_EQ(w.size(), QSize(519, 299));
    EXPECT_EQ(w.lblYear->text(), QStringLiteral("2000"));
    EXPECT_EQ(w.lblMonth->text(), QStringLiteral("1"));
    EXPECT_EQ(w.lblDay->text(), QStringLiteral("1"));
    EXPECT_EQ(w.NAGLabel1->text(), QString());
    EXPECT_EQ(backgroundOf(&w), toolPalette::ToolFormColor);
    EXPECT_EQ(faceOf(w.btnDayOfWeek), toolPalette::ToolButtonColor);
    EXPECT_EQ(faceOf(w.btnExit), toolPalette::ExitButtonColor);
    EXPECT_EQ(captionOf(w.btnExit), toolPalette::ExitButtonFontColor);
    click(w.btnDayOfWeek);
    EXPECT_EQ(w.NAGLabel1->text(), QStringLiteral("This date is Saturday"));
    saveSnapshot(w, "DayOfWeek");
}

TEST_F(DayOfWeekWindow, AnswersAndRefuses)
{
    EXPECT_EQ(find(QStringLiteral("9999"), QStringLiteral("12"), QStringLiteral("31")), QStringLiteral("This date is Friday"));
    // Refused dates leave the last answer in place.
    EXPECT_EQ(find(QStringLiteral("1900"), QStringLiteral("2"), QStringLiteral("29")), QStringLiteral("This date is Friday"));
    EXPECT_EQ(find(QStringLiteral("2000"), QStringLiteral("2"), QStringLiteral("29")), QStringLiteral("This date is Tuesday"));
    EXPECT_EQ(find(QStringLiteral("2000"), QStringLiteral("x"), QStringLiteral("1")), QStringLiteral("This date is Tuesday"));
    EXPECT_EQ(find(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1")), QStringLiteral("This date is Tuesday"));
    ASSERT_EQ(boxes.errors.size(), 3);
    EXPECT_EQ(boxes.errors[0], QStringLiteral("Invalid argument to date encode"));
    EXPECT_EQ(boxes.errors[1], QStringLiteral("'x' is not a valid integer value"));
    EXPECT_EQ(boxes.errors[2], QStringLiteral("Invalid argument to date encode"));
    click(w.btnExit);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(DayOfWeekWindow, ButtonsAreFlatInThePaletteColours)
{
    struct Case {
        QPushButton* button;
        QColor face, caption;
    };
    const Case cases[] = {
        {w.btnExit, toolPalette::ExitButtonColor, toolPalette::ExitButtonFontColor},
        {w.btnDayOfWeek, toolPalette::ToolButtonColor, w.palette().color(QPalette::ButtonText)},
    };
    for (const Case& c : cases) {
        const QImage face = c.button->grab().toImage();
        const QString name = c.button->objectName();
        // Inside the bevel, the whole height of both edges: one colour, no shading.
        for (int x : {4, face.width() - 5})
            for (int y = 4; y < face.height() - 4; ++y)
                ASSERT_EQ(face.pixelColor(x, y), c.face) << name.toStdString() << " at " << x << "," << y;
        int captionPixels = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                captionPixels += face.pixelColor(x, y) == c.caption;
        EXPECT_GT(captionPixels, 20) << name.toStdString();
    }
}
