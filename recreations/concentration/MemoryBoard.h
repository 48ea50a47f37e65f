#pragma once
// The rules of the memory card board, without any widget: the deal, turning
// two cards per move, removing pairs and the board's events. The control
// (Memogam) paints what this holds and feeds it the mouse.
#include <array>
#include <cstdint>
#include <functional>

namespace tv::concentration {

class MemoryBoard {
public:
    static constexpr int Columns = 6;
    static constexpr int Rows = 4;
    static constexpr int CardWidth = 70;
    static constexpr int CardHeight = 80;
    static constexpr int MaxPictures = Columns * Rows / 2;

    // 0 .. n-1; the program's generator unless a test supplies its own.
    using RandomBelow = std::function<std::uint32_t(std::uint32_t)>;

    // A turned card of the current move; picture -1 means none.
    struct Card {
        int picture = -1;
        int col = -1;
        int row = -1;
    };

    explicit MemoryBoard(RandomBelow random = {});

    void setRandomSource(RandomBelow random);
    // Number of pairs dealt, 0 .. MaxPictures (more would not fit the board).
    void setPictureCount(int count);
    int pictureCount() const { return pictureCount_; }

    // Deals every picture 1..pictureCount twice at random places.
    void newGame();
    // Pointer position in board pixels.
    void mouseDown(int x, int y);
    void mouseUp();

    // The picture dealt at a place, -1 once removed (or never dealt).
    int layout(int col, int row) const { return layout_[col][row]; }
    // What a place shows: 0 the back, a picture number, -1 nothing.
    int shown(int col, int row) const { return shown_[col][row]; }
    int pairsLeft() const { return pairsLeft_; }
    Card first() const { return first_; }
    Card second() const { return second_; }

    std::function<void()> OnNewGame;
    std::function<void()> OnGoodMove;
    std::function<void()> OnBadMove;
    std::function<void()> OnEndOfGame;
    // One place's shown value changed (the control repaints only it).
    std::function<void(int col, int row)> OnPlaceChanged;
    // Everything changed at once (a deal).
    std::function<void()> OnBoardChanged;

private:
    void setShown(int col, int row, int value);
    static void fire(const std::function<void()>& event)
    {
        if (event)
            event();
    }

    RandomBelow random_;
    int pictureCount_ = MaxPictures;
    std::array<std::array<int, Rows>, Columns> layout_{};
    std::array<std::array<int, Rows>, Columns> shown_{};
    int pairsLeft_ = 0;
    Card first_;
    Card second_;
};

} // namespace tv::concentration
