#include "app/Platform.h"

#include "app/VersionInfo.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace tv {

QString tempFolder()
{
    QString path = QDir::toNativeSeparators(QDir::tempPath());
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

void openWithDefaultProgram(const QString& pathOrUrl)
{
    const QUrl url = pathOrUrl.contains(QStringLiteral("://")) ? QUrl(pathOrUrl)
                                                               : QUrl::fromLocalFile(pathOrUrl);
    QDesktopServices::openUrl(url);
}

VersionRecord programVersionRecord()
{
    return {QString::fromLatin1(versionInfo::fileVersion), QString::fromLatin1(versionInfo::comments)};
}

} // namespace tv
