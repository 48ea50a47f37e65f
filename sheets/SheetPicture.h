#pragma once
// A picture shown at a fixed display size from the program's resources:
// SVG drawings, GIF (animated too), PNG and JPEG. A resource that is missing
// or cannot be decoded throws tv::InOutError at once, so a broken picture is
// caught by the tests instead of showing a blank.
//
// Two kinds, as the sheets use them: a still picture (printed as its
// picture) and an animated picture (plays a GIF; printed as an empty frame).
// Pictures drawn for the sheets live under ":/sheets/" (see sheetPictures()).
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class QMovie;

namespace tv {

enum class PictureKind { Still, Animated };

class SheetPicture : public QWidget {
    Q_OBJECT
public:
    // `displaySize` empty or invalid: the picture's own size.
    SheetPicture(const QString& resource, const QSize& displaySize, PictureKind kind = PictureKind::Still,
                 QWidget* parent = nullptr);
    // A picture drawn by the program (a question's typeset exercise), shown
    // at its own size; resource() is empty.
    SheetPicture(const QImage& drawn, PictureKind kind, QWidget* parent = nullptr);
    ~SheetPicture() override;

    QString resource() const { return resource_; }
    PictureKind kind() const { return kind_; }
    // True when the picture plays (an animated GIF shown as the animated kind).
    bool isPlaying() const;
    int frameCount() const { return frames_; }
    // The frame shown now, at the display size.
    QImage currentImage() const;

    // Decodes `resource` at `size` (empty: its own size). Throws tv::InOutError
    // naming the resource when it is missing or broken.
    static QImage loadImage(const QString& resource, const QSize& size = QSize());
    // The natural size of a picture resource (SVG: its view box). Throws as above.
    static QSize naturalSize(const QString& resource);

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_;
    PictureKind kind_;
    QImage still_;
    QMovie* movie_ = nullptr;
    int frames_ = 1;
};

// Every picture resource under ":/sheets/", sorted.
QStringList sheetPictures();

} // namespace tv
