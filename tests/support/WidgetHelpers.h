#pragma once
// Driving windows and controls in a headless test: showing a window and
// waiting until it can take input, clicking, typing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace tv::test {

// Shows `w`, makes it the active window and gives it the time to appear;
// for windows whose tests do not depend on the activation itself.
inline void showAndWait(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    (void)QTest::qWaitForWindowExposed(&w);
}

// Shows `w` and fails the test unless it becomes the active window, for
// tests of what activation does (a sheet writes its entry line then).
inline void showActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Shows `w` and fails the test unless it is on screen.
inline void showExposed(QWidget& w)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
}

// A left click in the middle of a button.
inline void click(QAbstractButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

// A left click 8 pixels in from the left edge, half-way down: on an answer
// button's round marker, since the middle of a wide radio button can lie
// past its caption, where it takes no clicks.
inline void clickLeftEnd(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

inline void typeInto(QWidget* edit, const QString& text)
{
    QTest::keyClicks(edit, text);
}

} // namespace tv::test
