#pragma once
// Shared bits of the calculator window tests: the colours a window shows and
// an optional picture of it (set TV_SNAPSHOT_DIR to a folder to get one PNG
// per window). Showing and clicking come from the common test support.
#include "tests/support/FakeActivityHost.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"

#include <QDir>
#include <QPalette>
#include <QWidget>

namespace tv::test {

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
