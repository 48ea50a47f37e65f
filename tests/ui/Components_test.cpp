#include "ui/Application.h"
#include "ui/Components.h"
#include "ui/Errors.h"
#include "ui/PageControl.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace tv;

TEST(NagLabel, NavyUnderlinedRedWhileHoveredAndClickable)
{
    QWidget host;
    NagLabel* label = makeCatalogueLabel(QStringLiteral("Pente"), &host);
    host.show();
    EXPECT_TRUE(label->font().underline());
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(label, &enter);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0x00));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));

    QSignalSpy clicks(label, &NagLabel::clicked);
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(MaskEdit, DigitsOnlyAndTheValueLeavesOutBlanks)
{
    MaskEdit edit(QStringLiteral("0000000;_"));
    edit.show();
    EXPECT_EQ(edit.value(), QString());
    QTest::keyClicks(&edit, QStringLiteral("4x2"));
    EXPECT_EQ(edit.value(), QStringLiteral("42"));
    EXPECT_EQ(edit.displayText(), QStringLiteral("42_____"));
}

TEST(EffectLabel, SizesToItsText)
{
    EffectLabel label(QStringLiteral("Tallyvale"), pixelFont(QStringLiteral("Arial"), 24, true),
                      Qt::blue, EffectLabel::Effect::Lowered);
    const QFontMetrics fm(label.font());
    EXPECT_GE(label.width(), fm.horizontalAdvance(QStringLiteral("Tallyvale")));
    const QImage image = label.grab().toImage();
    bool blue = false, white = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue |= c == QColor(Qt::blue);
            white |= c == QColor(Qt::white);
        }
    EXPECT_TRUE(blue);
    EXPECT_TRUE(white); // the lowered effect's light edge
}

TEST(PageControl, WrapsIntoRowsWithTheSelectedRowNextToThePage)
{
    PageControl tabs(123, 20);
    tabs.resize(625, 300);
    for (int i = 0; i < 10; ++i)
        tabs.addPage(new QWidget, QStringLiteral("Tab %1").arg(i));
    EXPECT_EQ(tabs.tabRowCount(), 2);
    EXPECT_EQ(tabs.tabRect(0), QRect(0, 20, 123, 20)); // selected row at the bottom
    EXPECT_EQ(tabs.tabRect(5), QRect(0, 0, 123, 20));
    QSignalSpy changed(&tabs, &PageControl::currentChanged);
    tabs.show();
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, QPoint(130, 5)); // "Tab 6"
    EXPECT_EQ(tabs.currentIndex(), 6);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(tabs.tabRect(5).top(), 20);
    EXPECT_EQ(tabs.tabRect(0).top(), 0);
    EXPECT_EQ(tabs.currentCaption(), QStringLiteral("Tab 6"));
    EXPECT_EQ(tabs.page(6)->mapTo(&tabs, QPoint(0, 0)).y(), 40);
}

TEST(PageControl, PaintsFillAndCaptionColours)
{
    PageControl tabs(123, 20);
    tabs.resize(250, 100);
    tabs.setTabColors(QColor(0xB1, 0x80, 0x34), QColor(0xFF, 0xFF, 0x00));
    tabs.addPage(new QWidget, QStringLiteral("Part 1"));
    const QImage image = tabs.grab().toImage();
    EXPECT_EQ(image.pixelColor(60, 2), QColor(0xB1, 0x80, 0x34));
    int yellow = 0;
    for (int x = 0; x < 123; ++x)
        for (int y = 4; y < 18; ++y)
            yellow += image.pixelColor(x, y) == QColor(0xFF, 0xFF, 0x00);
    EXPECT_GT(yellow, 10);
}

TEST(ApplicationHandler, AThrowingHandlerShowsTheMessageAndTheLoopGoesOn)
{
    test::ScriptedMessageBoxes boxes;
    bool after = false;
    QTimer::singleShot(0, [] { throw DivByZeroError(); });
    QTimer::singleShot(5, [&] { after = true; });
    QTest::qWait(50);
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_EQ(boxes.errors[0], QStringLiteral("Division by zero"));
    EXPECT_TRUE(after);
}
