#pragma once
// The five-in-a-row engine: the board, the line and tie tests, and the
// computer's move choice. Plain C++ with no user interface. The choice does
// not search ahead: every empty cell is weighed once by the line windows
// through it, and nothing is random, so the same student moves always draw
// the same replies.
#include <cstdint>

namespace tv::pente {

// Stone values; player 1 is the student (red), player 2 the computer (blue).
constexpr std::int32_t Player1 = 1;
constexpr std::int32_t Player2 = 2;
// Largest board side the arrays hold.
constexpr std::int32_t MaxSize = 100;

class tpenteGame {
public:
    // Throws tv::Error("Invalid Line size > size") when Size < LineSize.
    tpenteGame(std::int32_t Size, std::int32_t LineSize);
    virtual ~tpenteGame() = default;

    tpenteGame(const tpenteGame&) = default;
    tpenteGame& operator=(const tpenteGame&) = default;

    // Merges one window's value into a cell's weight: a higher value replaces
    // it, anything else adds 0.1 (held and summed in extended precision).
    virtual void SetWeight(std::int32_t x, std::int32_t y, double value);
    // Base weights of a window by the number of a side's stones in it.
    virtual void InitLineValues();

    std::int32_t GetCell(std::int32_t x, std::int32_t y) const { return Board[x][y]; }
    // Writes into an empty cell only; an occupied cell keeps its stone.
    void PlaceStone(std::int32_t x, std::int32_t y, std::int32_t value);
    double GetWeight(std::int32_t x, std::int32_t y) const { return Weights[x][y]; }
    std::int32_t GetSize() const { return Size; }
    std::int32_t GetLineSize() const { return LineSize; }
    std::int32_t GetTurn() const { return Turn; }
    void NextTurn();
    // 0 while nobody has completed a line, else that player's stone value.
    std::int32_t GetWinner() const { return Winner; }
    // Base weight for `count` stones of `player` (count -1: an opponent stone).
    std::int32_t GetLineValue(std::int32_t player, std::int32_t count) const
    {
        return LineValues[player][count + 1];
    }

    bool IsWon(std::int32_t side);
    // Every window holds stones of both players and nobody has won.
    bool IsTie();
    bool IsGameOver();
    bool IsBoardFull() const;
    // Weighs the board and picks the heaviest empty cell, ties going to the
    // cell visited last. Mode 1 weighs both players' lines, mode 0 only
    // player 1's. False (and 0, 0) on a full board.
    bool FindBestMove(std::int32_t mode, std::int32_t& x, std::int32_t& y);

protected:
    // One window of n cells from (x, y); 1 when it holds no opponent stone.
    std::int32_t EvaluateWindow(std::int32_t x, std::int32_t y, std::int32_t n,
                                std::int32_t direction, std::int32_t side, bool scoring);
    // Every window of the board in a fixed order; the number still open.
    std::int32_t ScanWindows(std::int32_t side, bool scoring);

    // [x][y]; playing cells 1..Size, the ring and beyond stay 0.
    std::int32_t Board[MaxSize + 2][MaxSize + 2];
    // [x][y] for 1..MaxSize; index 0 unused.
    double Weights[MaxSize + 1][MaxSize + 1];
    std::int32_t Size;
    std::int32_t LineSize;
    std::int32_t Turn;
    std::int32_t Winner;
    // [player 1..2][count + 1] for counts -1..MaxSize; row 0 unused.
    std::int32_t LineValues[3][MaxSize + 2];

private:
    bool isBlocked(std::int32_t x, std::int32_t y, std::int32_t opponent) const;
};

} // namespace tv::pente
