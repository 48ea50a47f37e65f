// Sheet pictures: every picture of the program decodes, each format shows at
// its display size, and a missing or broken one is an error, not a blank.
#include "sheets/SheetPicture.h"

#include "ui/Errors.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tv;

TEST(SheetPictures, EveryPictureOfTheProgramDecodes)
{
    const QStringList all = sheetPictures();
    EXPECT_GE(all.size(), 5);
    for (const QString& resource : all) {
        SCOPED_TRACE(resource.toStdString());
        QSize natural;
        ASSERT_NO_THROW(natural = SheetPicture::naturalSize(resource));
        EXPECT_FALSE(natural.isEmpty());
        QImage image;
        ASSERT_NO_THROW(image = SheetPicture::loadImage(resource));
        EXPECT_EQ(image.size(), natural);
        // Not a blank: more than one colour in the picture.
        const QRgb first = image.pixel(0, 0);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; ++y)
            for (int x = 0; x < image.width() && !varied; ++x)
                varied = image.pixel(x, y) != first;
        EXPECT_TRUE(varied);
    }
}

TEST(SheetPictures, EachFormatShowsAtItsDisplaySize)
{
    for (const char* name : {":/sheets/pie-three-quarters.svg", ":/sheets/number-line.png",
                             ":/sheets/blocks-photo.jpg", ":/sheets/bar-chart.gif"}) {
        SCOPED_TRACE(name);
        SheetPicture picture(QString::fromLatin1(name), QSize(61, 43));
        EXPECT_EQ(picture.size(), QSize(61, 43));
        EXPECT_EQ(picture.currentImage().size(), QSize(61, 43));
        EXPECT_FALSE(picture.isPlaying());
        EXPECT_EQ(picture.grab().size(), QSize(61, 43));
    }
    SheetPicture natural(QStringLiteral(":/sheets/blocks-photo.jpg"), QSize());
    EXPECT_EQ(natural.size(), QSize(120, 90));
    // A drawing scaled up stays a drawing: its colours, not a blur, at the centre.
    const QImage big = SheetPicture::loadImage(QStringLiteral(":/sheets/pie-three-quarters.svg"), QSize(400, 400));
    EXPECT_EQ(big.pixelColor(300, 300), QColor(0x4A, 0x7B, 0xD0));
    EXPECT_EQ(big.pixelColor(100, 300), QColor(0x4A, 0x7B, 0xD0));
    EXPECT_EQ(big.pixelColor(100, 100), QColor(255, 255, 255)); // the quarter left out
}

TEST(SheetPictures, JpegIsDecodedByTheLibjpegReader)
{
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("jpeg"));
    QImageReader reader(QStringLiteral(":/sheets/blocks-photo.jpg"));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
}

TEST(SheetPictures, TheAnimatedKindPlaysAGif)
{
    SheetPicture chart(QStringLiteral(":/sheets/bar-chart.gif"), QSize(90, 60), PictureKind::Animated);
    EXPECT_EQ(chart.kind(), PictureKind::Animated);
    EXPECT_EQ(chart.frameCount(), 4);
    EXPECT_TRUE(chart.isPlaying());
    EXPECT_EQ(chart.currentImage().size(), QSize(90, 60));
    SheetPicture still(QStringLiteral(":/sheets/bar-chart.gif"), QSize(90, 60), PictureKind::Still);
    EXPECT_FALSE(still.isPlaying());
    // A drawing in the animated kind simply stands still.
    SheetPicture drawing(QStringLiteral(":/sheets/pie-three-quarters.svg"), QSize(20, 20), PictureKind::Animated);
    EXPECT_FALSE(drawing.isPlaying());
    EXPECT_FALSE(drawing.currentImage().isNull());
}

TEST(SheetPictures, MissingOrBrokenPicturesAreErrors)
{
    const auto message = [](const QString& resource, PictureKind kind) -> QString {
        try {
            SheetPicture p(resource, QSize(10, 10), kind);
        } catch (const InOutError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_TRUE(message(QStringLiteral(":/sheets/no-such.svg"), PictureKind::Still).contains(QStringLiteral("no-such.svg")));
    EXPECT_THROW(SheetPicture::loadImage(QStringLiteral(":/sheets/no-such.png")), InOutError);
    EXPECT_THROW(SheetPicture::naturalSize(QStringLiteral(":/sheets/no-such.gif")), InOutError);

    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QString png = write("broken.png", QByteArrayLiteral("\x89PNG\r\n\x1a\n garbage"));
    const QString jpg = write("broken.jpg", QByteArrayLiteral("\xff\xd8\xff\xe0 not really"));
    const QString gif = write("broken.gif", QByteArray("GIF89a"));
    const QString svg = write("broken.svg", QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect"));
    for (const QString& f : {png, jpg, gif, svg}) {
        SCOPED_TRACE(f.toStdString());
        EXPECT_FALSE(message(f, PictureKind::Still).isEmpty());
        EXPECT_FALSE(message(f, PictureKind::Animated).isEmpty());
    }
}
