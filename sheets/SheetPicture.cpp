#include "sheets/SheetPicture.h"

#include "ui/Errors.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMovie>
#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into this static library; a reference keeps
// the linker from dropping them.
static void initSheetPictures() { Q_INIT_RESOURCE(SheetPictures); }

namespace tv {

namespace {

void ensureResources()
{
    static const bool done = (initSheetPictures(), true);
    (void)done;
}

bool isSvg(const QString& resource)
{
    return QFileInfo(resource).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

[[noreturn]] void fail(const QString& resource, const QString& why)
{
    throw InOutError(QStringLiteral("Picture \"%1\" cannot be shown: %2").arg(resource, why));
}

void requireExists(const QString& resource)
{
    ensureResources();
    if (!QFile::exists(resource))
        fail(resource, QStringLiteral("it does not exist"));
}

bool usable(const QSize& size) { return size.isValid() && !size.isEmpty(); }

} // namespace

QSize SheetPicture::naturalSize(const QString& resource)
{
    requireExists(resource);
    if (isSvg(resource)) {
        QSvgRenderer svg(resource);
        if (!svg.isValid())
            fail(resource, QStringLiteral("the drawing is broken"));
        return svg.defaultSize();
    }
    QImageReader reader(resource);
    const QSize size = reader.size();
    if (!reader.canRead() || !usable(size))
        fail(resource, reader.errorString());
    return size;
}

QImage SheetPicture::loadImage(const QString& resource, const QSize& size)
{
    requireExists(resource);
    if (isSvg(resource)) {
        QSvgRenderer svg(resource);
        if (!svg.isValid())
            fail(resource, QStringLiteral("the drawing is broken"));
        const QSize target = usable(size) ? size : svg.defaultSize();
        QImage image(target, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(target)));
        return image;
    }
    // Raster pictures (JPEG through the libjpeg decoder, which also scales
    // while it decodes).
    QImageReader reader(resource);
    if (usable(size))
        reader.setScaledSize(size);
    QImage image = reader.read();
    if (image.isNull())
        fail(resource, reader.errorString());
    if (usable(size) && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

SheetPicture::SheetPicture(const QString& resource, const QSize& displaySize, PictureKind kind, QWidget* parent)
    : QWidget(parent), resource_(resource), kind_(kind)
{
    const QSize size = usable(displaySize) ? displaySize : naturalSize(resource);
    if (kind == PictureKind::Animated && !isSvg(resource)) {
        auto movie = std::make_unique<QMovie>(resource);
        if (!movie->isValid())
            fail(resource, QStringLiteral("the picture is broken"));
        frames_ = movie->frameCount();
        if (frames_ > 1) {
            movie->setParent(this);
            movie->setScaledSize(size);
            movie->setCacheMode(QMovie::CacheAll);
            connect(movie.get(), &QMovie::frameChanged, this, [this] { update(); });
            movie_ = movie.release();
            movie_->start();
            if (movie_->currentImage().isNull())
                fail(resource, QStringLiteral("the picture is broken"));
        }
    }
    if (!movie_)
        still_ = loadImage(resource, size);
    resize(size);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

SheetPicture::SheetPicture(const QImage& drawn, PictureKind kind, QWidget* parent)
    : QWidget(parent), kind_(kind), still_(drawn)
{
    resize(drawn.size());
}

SheetPicture::~SheetPicture() = default;

bool SheetPicture::isPlaying() const { return movie_ && movie_->state() == QMovie::Running; }

QImage SheetPicture::currentImage() const { return movie_ ? movie_->currentImage() : still_; }

void SheetPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QImage image = currentImage();
    if (!image.isNull())
        painter.drawImage(rect(), image);
}

QStringList sheetPictures()
{
    ensureResources();
    QStringList found;
    QDirIterator it(QStringLiteral(":/sheets"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    found.sort();
    return found;
}

} // namespace tv
