#pragma once
// Reading back what the program wrote (the journal files above all).
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace tv::test {

// The file's bytes; nothing when it cannot be opened (or does not exist).
inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The file's lines, each ended by carriage return and line feed as the
// journal writes them, without the empty piece after the last ending.
inline QStringList readLines(const QString& path)
{
    QStringList lines = QString::fromLatin1(readFile(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace tv::test
