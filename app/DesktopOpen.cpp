#include "app/DesktopOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace tv {

void openWithDefaultProgram(const QString& pathOrUrl)
{
    const QUrl url = pathOrUrl.contains(QStringLiteral("://")) ? QUrl(pathOrUrl)
                                                               : QUrl::fromLocalFile(pathOrUrl);
    QDesktopServices::openUrl(url);
}

} // namespace tv
