#pragma once
// Our own small layer over what the desktop offers: the temp folder, opening
// a file or address with its default program, and the program's version record.
#include <QString>

namespace tv {

// The system temporary folder, ending with a path separator.
QString tempFolder();

// Opens a file (or a web address) with the desktop's default program for it.
// Reports nothing when that fails.
void openWithDefaultProgram(const QString& pathOrUrl);

// The file version and comments strings of the program's version record.
struct VersionRecord {
    QString fileVersion;
    QString comments;
};
VersionRecord programVersionRecord();

} // namespace tv
