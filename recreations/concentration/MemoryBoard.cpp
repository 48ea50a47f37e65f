#include "recreations/concentration/MemoryBoard.h"

#include "app/Random.h"

#include <algorithm>
#include <utility>

namespace tv::concentration {

MemoryBoard::MemoryBoard(RandomBelow random) { setRandomSource(std::move(random)); }

void MemoryBoard::setRandomSource(RandomBelow random)
{
    random_ = random ? std::move(random) : RandomBelow(&tv::rng::below);
}

void MemoryBoard::setPictureCount(int count) { pictureCount_ = std::clamp(count, 0, MaxPictures); }

void MemoryBoard::newGame()
{
    for (auto& column : layout_)
        column.fill(0);
    for (auto& column : shown_)
        column.fill(0);
    for (int picture = 1; picture <= pictureCount_; ++picture)
        for (int copy = 0; copy < 2; ++copy) {
            int col = 0;
            int row = 0;
            do {
                col = static_cast<int>(random_(Columns) % Columns);
                row = static_cast<int>(random_(Rows) % Rows);
            } while (layout_[col][row] != 0);
            layout_[col][row] = picture;
        }
    // With fewer pairs than places, the places left over stay empty rather
    // than showing backs that would pair with each other.
    for (int col = 0; col < Columns; ++col)
        for (int row = 0; row < Rows; ++row)
            if (layout_[col][row] == 0) {
                layout_[col][row] = -1;
                shown_[col][row] = -1;
            }
    pairsLeft_ = pictureCount_;
    first_ = Card{};
    second_ = Card{};
    if (OnBoardChanged)
        OnBoardChanged();
    fire(OnNewGame);
}

void MemoryBoard::mouseDown(int x, int y)
{
    if (pairsLeft_ == 0) {
        newGame();
        return;
    }
    // A move already holds two cards (another button pressed while one is
    // down): a third card would stay face up when the move ends.
    if (second_.picture != -1)
        return;
    if (x < 0 || y < 0)
        return;
    const int col = x / CardWidth;
    const int row = y / CardHeight;
    if (col >= Columns || row >= Rows)
        return;
    const int picture = layout_[col][row];
    if (picture == -1)
        return; // a removed place records no card
    if (first_.picture == -1) {
        first_ = Card{picture, col, row};
        setShown(col, row, picture);
        return;
    }
    if (col == first_.col && row == first_.row)
        return;
    second_ = Card{picture, col, row};
    setShown(col, row, picture);
}

void MemoryBoard::mouseUp()
{
    if (second_.picture == -1)
        return;
    const Card a = first_;
    const Card b = second_;
    first_ = Card{};
    second_ = Card{};
    if (a.picture == b.picture) {
        fire(OnGoodMove);
        layout_[a.col][a.row] = -1;
        layout_[b.col][b.row] = -1;
        setShown(a.col, a.row, -1);
        setShown(b.col, b.row, -1);
        --pairsLeft_;
        if (pairsLeft_ == 0)
            fire(OnEndOfGame);
    } else {
        fire(OnBadMove);
        setShown(a.col, a.row, 0);
        setShown(b.col, b.row, 0);
    }
}

void MemoryBoard::setShown(int col, int row, int value)
{
    if (shown_[col][row] == value)
        return;
    shown_[col][row] = value;
    if (OnPlaceChanged)
        OnPlaceChanged(col, row);
}

} // namespace tv::concentration
