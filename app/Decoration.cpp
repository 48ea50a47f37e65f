#include "app/Decoration.h"

#include <QPainter>
#include <QSvgRenderer>

// Resources compiled into a static library must be registered by hand.
static void initAppResources() { Q_INIT_RESOURCE(app); }

namespace tv::decoration {

QPixmap picture(const QString& resource, const QSize& size)
{
    static const bool registered = (initAppResources(), true);
    (void)registered;
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return pixmap;
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QPixmap logOnTile()
{
    static const QPixmap tile = picture(QStringLiteral(":/app/tile.svg"), {40, 40});
    return tile;
}

QPixmap pageTile() { return logOnTile(); }

} // namespace tv::decoration
