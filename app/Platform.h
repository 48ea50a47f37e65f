#pragma once
// Our own small layer over what the system offers: the temp folder and the
// program's version record. Opening a file with its default program needs
// the desktop and lives in DesktopOpen.h.
#include <QString>

namespace tv {

// The system temporary folder, ending with a path separator.
QString tempFolder();

// The file version and comments strings of the program's version record.
struct VersionRecord {
    QString fileVersion;
    QString comments;
};
VersionRecord programVersionRecord();

} // namespace tv
