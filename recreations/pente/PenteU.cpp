#include "recreations/pente/PenteU.h"

#include "ui/Errors.h"

namespace tv::pente {

namespace {

// Cell steps of the four window directions: down a column, along a row, the
// down-right diagonal and the down-left diagonal.
constexpr std::int32_t StepX[4] = {0, 1, 1, -1};
constexpr std::int32_t StepY[4] = {1, 0, 1, 1};

constexpr std::int32_t opponentOf(std::int32_t side) { return side == Player1 ? Player2 : Player1; }

} // namespace

tpenteGame::tpenteGame(std::int32_t Size, std::int32_t LineSize)
{
    if (Size < LineSize)
        throw Error(QStringLiteral("Invalid Line size > size"));
    // The arrays hold at most MaxSize cells a side plus the ring, and a line
    // needs at least one stone; anything else would reach outside them.
    if (LineSize < 1)
        throw Error(QStringLiteral("Invalid Line size"));
    if (Size > MaxSize)
        throw Error(QStringLiteral("Invalid board size"));

    for (auto& column : Weights)
        for (double& w : column)
            w = 0.0;
    for (auto& column : Board)
        for (std::int32_t& cell : column)
            cell = 0;
    this->Size = Size;
    this->LineSize = LineSize;
    Turn = 1;
    Winner = 0;
    for (auto& row : LineValues)
        for (std::int32_t& v : row)
            v = 0;
    InitLineValues();
}

void tpenteGame::SetWeight(std::int32_t x, std::int32_t y, double value)
{
    if (value > Weights[x][y]) {
        Weights[x][y] = value;
    } else {
        // The step is an extended-precision 0.1 and the sum is rounded to
        // double only when stored, so repeated steps drift the same way
        // they always have.
        constexpr long double step = 0.1L;
        Weights[x][y] = static_cast<double>(static_cast<long double>(Weights[x][y]) + step);
    }
}

void tpenteGame::InitLineValues()
{
    const std::int32_t L = LineSize;
    // The student's row halves from 4L; the computer's from 3L, and it drops
    // to k one step sooner (<= rather than <).
    std::int32_t v = 4 * L;
    for (std::int32_t k = L - 1; k >= 1; --k) {
        LineValues[Player1][k + 1] = v;
        v = v < 2 * k ? k : v / 2;
    }
    v = 3 * L;
    for (std::int32_t k = L - 1; k >= 1; --k) {
        LineValues[Player2][k + 1] = v;
        v = v <= 2 * k ? k : v / 2;
    }
    // Completing its own line outweighs blocking the student's.
    if (L >= 2)
        LineValues[Player2][L] *= 2;
}

void tpenteGame::PlaceStone(std::int32_t x, std::int32_t y, std::int32_t value)
{
    if (Board[x][y] == 0)
        Board[x][y] = value;
}

void tpenteGame::NextTurn()
{
    Turn = static_cast<std::int32_t>(static_cast<std::uint32_t>(Turn) + 1u);
}

bool tpenteGame::isBlocked(std::int32_t x, std::int32_t y, std::int32_t opponent) const
{
    return x == 0 || y == 0 || x > Size || y > Size || Board[x][y] == opponent;
}

std::int32_t tpenteGame::EvaluateWindow(std::int32_t x, std::int32_t y, std::int32_t n,
                                        std::int32_t direction, std::int32_t side, bool scoring)
{
    const std::int32_t dx = StepX[direction];
    const std::int32_t dy = StepY[direction];
    const std::int32_t opponent = opponentOf(side);

    const bool blockedBefore = isBlocked(x - dx, y - dy, opponent);
    const bool blockedAfter = isBlocked(x + n * dx, y + n * dy, opponent);

    std::int32_t count = 0;
    std::int32_t result = 1;
    for (std::int32_t k = 0; k < n; ++k) {
        const std::int32_t cell = Board[x + k * dx][y + k * dy];
        if (cell == opponent) {
            count = -1;
            result = 0;
            break;
        }
        if (cell == side)
            ++count;
    }
    if (count == LineSize)
        Winner = side;
    if (!scoring)
        return result;

    double value = static_cast<double>(LineValues[side][count + 1]);
    if (blockedBefore || blockedAfter)
        value -= 1.0;
    for (std::int32_t k = 0; k < n; ++k)
        SetWeight(x + k * dx, y + k * dy, value);
    return result;
}

std::int32_t tpenteGame::ScanWindows(std::int32_t side, bool scoring)
{
    const std::int32_t n = LineSize;
    const std::int32_t D = Size - LineSize + 1;
    std::int32_t open = 0;
    if (D < 1)
        return open;
    // The order matters: a cell's weight depends on which windows reach it last.
    for (std::int32_t y = 1; y <= Size; ++y)
        for (std::int32_t x = 1; x <= D; ++x)
            open += EvaluateWindow(x, y, n, 1, side, scoring);
    for (std::int32_t y = 1; y <= D; ++y)
        for (std::int32_t x = 1; x <= Size; ++x)
            open += EvaluateWindow(x, y, n, 0, side, scoring);
    for (std::int32_t y = 1; y <= D; ++y)
        for (std::int32_t x = 1; x <= D; ++x)
            open += EvaluateWindow(x, y, n, 2, side, scoring);
    for (std::int32_t y = 1; y <= D; ++y)
        for (std::int32_t x = Size; x >= LineSize; --x)
            open += EvaluateWindow(x, y, n, 3, side, scoring);
    return open;
}

bool tpenteGame::IsWon(std::int32_t side)
{
    ScanWindows(side, false);
    return Winner != 0;
}

bool tpenteGame::IsTie()
{
    const std::int32_t open = ScanWindows(Player1, false) + ScanWindows(Player2, false);
    if (IsWon(Player1) || IsWon(Player2))
        return false;
    return open == 0;
}

bool tpenteGame::IsGameOver()
{
    return IsWon(Player1) || IsWon(Player2) || IsTie();
}

bool tpenteGame::IsBoardFull() const
{
    for (std::int32_t x = 1; x <= Size; ++x)
        for (std::int32_t y = 1; y <= Size; ++y)
            if (Board[x][y] == 0)
                return false;
    return true;
}

bool tpenteGame::FindBestMove(std::int32_t mode, std::int32_t& x, std::int32_t& y)
{
    for (auto& column : Weights)
        for (double& w : column)
            w = 0.0;
    ScanWindows(Player1, true);
    if (mode == 1)
        ScanWindows(Player2, true);
    for (std::int32_t cx = 1; cx <= Size; ++cx)
        for (std::int32_t cy = 1; cy <= Size; ++cy)
            if (Board[cx][cy] != 0)
                Weights[cx][cy] = -1.0;

    x = 0;
    y = 0;
    if (IsBoardFull())
        return false;
    double best = 0.0;
    for (std::int32_t cy = 1; cy <= Size; ++cy)
        for (std::int32_t cx = 1; cx <= Size; ++cx)
            if (Weights[cx][cy] >= best) {
                best = Weights[cx][cy];
                x = cx;
                y = cy;
            }
    return true;
}

} // namespace tv::pente
