#pragma once
// The main window's and log-on dialog's decoration pictures, drawn from our
// own vector drawings at their display size.
#include <QPixmap>

namespace tv::decoration {

QPixmap picture(const QString& resource, const QSize& size); // e.g. ":/app/banner.svg"
QPixmap logOnTile();
QPixmap pageTile();

} // namespace tv::decoration
