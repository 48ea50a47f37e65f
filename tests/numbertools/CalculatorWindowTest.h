#pragma once
// Shared bits of the calculator window tests: showing a window headless,
// clicking through the application's handler, and an optional picture of
// the window (set TV_SNAPSHOT_DIR to a folder to get one PNG per window).
#include "tests/support/FakeActivityHost.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <QAbstractButton>
#include <QDir>
#include <QPalette>
#include <QTest>
#include <QWidget>

namespace tv::test {

inline void showAndWait(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    (void)QTest::qWaitForWindowExposed(&w);
}

inline void click(QAbstractButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

inline void typeInto(QWidget* edit, const QString& text)
{
    QTest::keyClicks(edit, text);
}

inline void saveSnapshot(QWidget& w, const char* name)
{
    const QByteArray dir = qgetenv("TV_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

inline QColor faceOf(const QWidget* w) { return w->palette().color(QPalette::Button); }
inline QColor captionOf(const QWidget* w) { return w->palette().color(QPalette::ButtonText); }
inline QColor backgroundOf(const QWidget* w) { return w->palette().color(QPalette::Window); }

} // namespace tv::test
