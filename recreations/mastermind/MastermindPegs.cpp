#include "recreations/mastermind/MastermindPegs.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace tv::mastermind {

namespace {

const QColor Teal(0x00, 0x80, 0x80);

// A round peg head lit from the top left, with a dark edge.
QImage pegPicture(const QColor& colour, qreal diameter)
{
    QImage image(PegImageSize, PegImageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal c = PegImageSize / 2.0;
    const QRectF head(c - diameter / 2, c - diameter / 2, diameter, diameter);
    // A soft shadow below and to the right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(head.translated(diameter * 0.06, diameter * 0.08));
    QRadialGradient light(head.left() + diameter * 0.35, head.top() + diameter * 0.3, diameter * 0.75);
    light.setColorAt(0.0, colour.lighter(175));
    light.setColorAt(0.45, colour);
    light.setColorAt(1.0, colour.darker(190));
    p.setBrush(light);
    p.setPen(QPen(colour.darker(260), 1.2));
    p.drawEllipse(head);
    return image;
}

} // namespace

QColor pegColour(int colour)
{
    static const QColor colours[NumColours] = {
        QColor(0xE0, 0x10, 0x10), // red
        QColor(0x10, 0x30, 0xE0), // blue
        QColor(0x10, 0xA0, 0x20), // green
        QColor(0x90, 0x30, 0xC0), // violet
        QColor(0xF8, 0xE0, 0x10), // yellow
        QColor(0x70, 0xC8, 0xF8), // light blue
    };
    return colour >= 1 && colour <= NumColours ? colours[colour - 1] : QColor(Qt::black);
}

const std::array<QImage, 8>& pegImages()
{
    static const std::array<QImage, 8> images = [] {
        std::array<QImage, 8> list;
        for (int c = 1; c <= NumColours; ++c)
            list[static_cast<std::size_t>(c - 1)] = pegPicture(pegColour(c), 40);
        list[RedScorePeg] = pegPicture(QColor(0xD0, 0x00, 0x00), 34);
        list[WhiteScorePeg] = pegPicture(QColor(0xF4, 0xF4, 0xF4), 34);
        return list;
    }();
    return images;
}

void drawHole(QPainter& painter, const QRectF& cell, qreal diameter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Teal, std::max<qreal>(1.5, diameter / 7)));
    painter.setBrush(Qt::black);
    painter.drawEllipse(cell.center(), diameter / 2, diameter / 2);
    painter.restore();
}

void drawPeg(QPainter& painter, const QRectF& cell, int image)
{
    const auto& images = pegImages();
    if (image < 0 || image >= static_cast<int>(images.size()))
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(cell, images[static_cast<std::size_t>(image)]);
    painter.restore();
}

// ---------------------------------------------------------------------------

TPegStrip::TPegStrip(int holes, int cellSize, QWidget* parent)
    : QWidget(parent), colours_(static_cast<std::size_t>(holes), 0), cell_(cellSize)
{
    setFixedSize(holes * cellSize, cellSize);
}

void TPegStrip::setColours(const std::vector<int>& colours)
{
    colours_ = colours;
    colours_.resize(static_cast<std::size_t>(width() / cell_), 0);
    update();
}

QRect TPegStrip::holeRect(int index) const { return QRect(index * cell_, 0, cell_, cell_); }

void TPegStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int i = 0; i < static_cast<int>(colours_.size()); ++i) {
        const QRectF cell = holeRect(i);
        drawHole(p, cell, cell_ * 0.36);
        const int colour = colours_[static_cast<std::size_t>(i)];
        if (colour >= 1 && colour <= NumColours)
            drawPeg(p, cell, colour - 1);
    }
}

void TPegStrip::mouseReleaseEvent(QMouseEvent* event)
{
    if (!clickable_ || event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos))
        return;
    emit holeClicked(pos.x() / cell_);
}

} // namespace tv::mastermind
