#include "recreations/concentration/Memogam.h"

#include "app/Random.h"

#include <QMouseEvent>
#include <QPainter>

namespace tv::concentration {

namespace {
const QColor BoardColour(0xD6, 0xB7, 0xA3);
}

TMemoryGame::TMemoryGame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MemoryGame1"));
    setFixedSize(425, 325);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, BoardColour);
    setPalette(pal);

    tv::rng::seedFromClock();
    board_.OnNewGame = [this] { emit OnNewGame(); };
    board_.OnGoodMove = [this] { emit OnGoodMove(); };
    board_.OnBadMove = [this] { emit OnBadMove(); };
    board_.OnEndOfGame = [this] { emit OnEndOfGame(); };
    board_.OnPlaceChanged = [this](int col, int row) { update(placeRect(col, row)); };
    board_.OnBoardChanged = [this] { update(); };
    board_.newGame();
}

void TMemoryGame::setPictures(const QPixmap& strip)
{
    pictures_ = strip;
    update();
}

QRect TMemoryGame::placeRect(int col, int row)
{
    return QRect(col * MemoryBoard::CardWidth, row * MemoryBoard::CardHeight, MemoryBoard::CardWidth,
                 MemoryBoard::CardHeight);
}

QPoint TMemoryGame::placeCentre(int col, int row) { return placeRect(col, row).center(); }

void TMemoryGame::paintEvent(QPaintEvent*)
{
    // The background (the control's colour) shows where cards were removed.
    QPainter painter(this);
    for (int col = 0; col < MemoryBoard::Columns; ++col)
        for (int row = 0; row < MemoryBoard::Rows; ++row) {
            const int picture = board_.shown(col, row);
            if (picture < 0)
                continue;
            const QRect source(picture * MemoryBoard::CardWidth, 0, MemoryBoard::CardWidth,
                               MemoryBoard::CardHeight);
            painter.drawPixmap(placeRect(col, row), pictures_, source);
        }
}

void TMemoryGame::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    board_.mouseDown(p.x(), p.y());
    event->accept();
}

void TMemoryGame::mouseReleaseEvent(QMouseEvent* event)
{
    board_.mouseUp();
    event->accept();
}

} // namespace tv::concentration
