#pragma once
// The memory card board control: 6 x 4 places of 70 x 80 pixels showing a
// strip of pictures (card back first, then the faces). It knows nothing of
// what the pictures show; the rules live in MemoryBoard.
#include "recreations/concentration/MemoryBoard.h"

#include <QPixmap>
#include <QWidget>

#include <utility>

namespace tv::concentration {

class TMemoryGame : public QWidget {
    Q_OBJECT
public:
    // Seeds the program's generator from the clock and deals a first game.
    explicit TMemoryGame(QWidget* parent = nullptr);

    // Picture 0 the card back, pictures 1..PictureCount the faces, each
    // 70 x 80 side by side.
    void setPictures(const QPixmap& strip);
    QPixmap Pictures() const { return pictures_; }
    void setPictureCount(int count) { board_.setPictureCount(count); }
    int PictureCount() const { return board_.pictureCount(); }
    void setRandomSource(MemoryBoard::RandomBelow random) { board_.setRandomSource(std::move(random)); }

    void NewGame() { board_.newGame(); }
    const MemoryBoard& board() const { return board_; }
    // The centre of a place in the control's pixels (for clicking on it).
    static QPoint placeCentre(int col, int row);

signals:
    void OnNewGame();
    void OnGoodMove();
    void OnBadMove();
    void OnEndOfGame();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static QRect placeRect(int col, int row);

    MemoryBoard board_;
    QPixmap pictures_;
};

} // namespace tv::concentration
