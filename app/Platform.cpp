#include "app/Platform.h"

#include "app/VersionInfo.h"

#include <QDir>

namespace tv {

QString tempFolder()
{
    QString path = QDir::toNativeSeparators(QDir::tempPath());
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

VersionRecord programVersionRecord()
{
    return {QString::fromLatin1(versionInfo::fileVersion), QString::fromLatin1(versionInfo::comments)};
}

} // namespace tv
