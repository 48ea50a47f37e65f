#include "sheets/SheetPicture.h"

#include "ui/Errors.h"

#include <QMovie>
#include <QPainter>

namespace tv {

SheetPicture::SheetPicture(const QString& resource, const QSize& displaySize, PictureKind kind, QWidget* parent)
    : QWidget(parent), resource_(resource), kind_(kind)
{
    resize(displaySize);
}

SheetPicture::~SheetPicture() = default;
bool SheetPicture::isPlaying() const { return false; }
QImage SheetPicture::currentImage() const { return still_; }
QImage SheetPicture::loadImage(const QString&, const QSize&) { return QImage(); }
QSize SheetPicture::naturalSize(const QString&) { return QSize(); }
void SheetPicture::paintEvent(QPaintEvent*) {}

QStringList sheetPictures() { return {}; }

} // namespace tv
