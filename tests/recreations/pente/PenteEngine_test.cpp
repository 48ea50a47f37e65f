// The five-in-a-row engine: line values, window values, the move choice and
// the end-of-game tests.
#include "recreations/pente/PenteU.h"
#include "tests/recreations/pente/PenteBoards.h"

#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

using tv::pente::Player1;
using tv::pente::Player2;
using tv::pente::tpenteGame;
using tv::test::tiePattern;

namespace {

// Opens the window evaluation to the tests and records every weight merge.
class ProbeGame : public tpenteGame {
public:
    using tpenteGame::tpenteGame;
    using tpenteGame::EvaluateWindow;
    using tpenteGame::ScanWindows;

    void SetWeight(std::int32_t x, std::int32_t y, double value) override
    {
        merges.emplace_back(x, y, value);
        tpenteGame::SetWeight(x, y, value);
    }
    std::vector<std::tuple<int, int, double>> merges;
};

void placeRow(tpenteGame& g, int fromX, int toX, int y, int stone)
{
    for (int x = fromX; x <= toX; ++x)
        g.PlaceStone(x, y, stone);
}

std::pair<int, int> bestMove(tpenteGame& g, int mode = 1)
{
    int x = -1, y = -1;
    EXPECT_TRUE(g.FindBestMove(mode, x, y));
    return {x, y};
}

} // namespace

TEST(PenteEngine, LineValuesForLineSizesThreeFourFive)
{
    const std::vector<int> tables[][2] = {
        {{6, 12}, {4, 18}}, {{4, 8, 16}, {3, 6, 24}}, {{2, 5, 10, 20}, {2, 3, 7, 30}}};
    for (int lineSize = 3; lineSize <= 5; ++lineSize) {
        tpenteGame g(19, lineSize);
        for (int side : {Player1, Player2}) {
            std::vector<int> row;
            for (int k = 1; k < lineSize; ++k)
                row.push_back(g.GetLineValue(side, k));
            EXPECT_EQ(row, tables[lineSize - 3][side - 1]) << "LineSize " << lineSize;
            // An opponent stone, an empty window and a full line carry nothing.
            for (int count : {-1, 0, lineSize, lineSize + 1})
                EXPECT_EQ(g.GetLineValue(side, count), 0) << count;
        }
    }
}

TEST(PenteEngine, ConstructionAndStones)
{
    tpenteGame g(19, 5);
    g.NextTurn();
    EXPECT_EQ(g.GetTurn(), 2);
    g.PlaceStone(3, 4, Player1);
    g.PlaceStone(3, 4, Player2); // an occupied cell keeps its stone
    EXPECT_EQ(g.GetCell(3, 4), Player1);
    EXPECT_EQ(g.GetCell(4, 3), 0); // x is the column, y the row

    try {
        tpenteGame bad(4, 5);
        FAIL() << "no error";
    } catch (const tv::Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid Line size > size"));
    }
    EXPECT_NO_THROW(tpenteGame(5, 5));
    // Sizes the board arrays cannot hold are refused rather than overrun.
    EXPECT_THROW(tpenteGame(101, 5), tv::Error);
    EXPECT_THROW(tpenteGame(5, 0), tv::Error);
}

TEST(PenteEngine, SetWeightRaisesOrAddsAnExtendedTenth)
{
    tpenteGame g(19, 5);
    g.SetWeight(1, 1, 2.0);
    g.SetWeight(1, 1, 2.0); // equal does not raise
    EXPECT_EQ(g.GetWeight(1, 1), static_cast<double>(2.0L + 0.1L));
    g.SetWeight(1, 1, 5.0);
    EXPECT_EQ(g.GetWeight(1, 1), 5.0);
    // Extended steps drift their own way: three give exactly the double 0.3
    // (double steps give 0.30000000000000004), five stay just below 0.5.
    for (int i = 0; i < 3; ++i)
        g.SetWeight(2, 2, -1.0);
    EXPECT_EQ(g.GetWeight(2, 2), 0.3);
    g.SetWeight(2, 2, -1.0);
    g.SetWeight(2, 2, -1.0);
    EXPECT_EQ(g.GetWeight(2, 2), std::nextafter(0.5, 0.0));
}

TEST(PenteEngine, WindowValueDropsByOneAtAnEdgeOrOpponent)
{
    ProbeGame g(19, 5);
    g.PlaceStone(10, 10, Player1);
    g.PlaceStone(1, 3, Player1);
    g.PlaceStone(3, 19, Player1);
    g.PlaceStone(5, 7, Player2);
    g.PlaceStone(6, 7, Player1);
    // x, y, direction, side -> value given to all five cells, result.
    const std::tuple<int, int, int, int, double, int> cases[] = {
        {8, 10, 1, Player1, 2.0, 1},   // open both sides
        {1, 3, 1, Player1, 1.0, 1},    // starts on the left edge
        {15, 10, 1, Player1, -1.0, 1}, // empty, ends on the right edge
        {3, 15, 0, Player1, 1.0, 1},   // column ending at row 19
        {6, 7, 1, Player1, 1.0, 1},    // opponent stone just before
        {6, 7, 1, Player2, 0.0, 0},    // holds an opponent stone
        {1, 7, 1, Player1, -1.0, 0},   // both colours and an edge
        {10, 10, 3, Player1, 2.0, 1},  // down-left diagonal, open
        {19, 1, 3, Player1, -1.0, 1},  // down-left from the right edge
    };
    for (const auto& [x, y, dir, side, value, result] : cases) {
        SCOPED_TRACE(testing::Message() << x << "," << y << " dir " << dir << " side " << side);
        g.merges.clear();
        EXPECT_EQ(g.EvaluateWindow(x, y, 5, dir, side, true), result);
        ASSERT_EQ(g.merges.size(), 5u);
        for (const auto& m : g.merges)
            EXPECT_EQ(std::get<2>(m), value);
    }
    EXPECT_EQ(std::make_pair(std::get<0>(g.merges[4]), std::get<1>(g.merges[4])),
              std::make_pair(15, 5));
}

TEST(PenteEngine, ScanVisitsEveryWindowInOrder)
{
    ProbeGame g(19, 5);
    EXPECT_EQ(g.ScanWindows(Player1, false), 1020);
    EXPECT_TRUE(g.merges.empty());
    g.ScanWindows(Player1, true);
    ASSERT_EQ(g.merges.size(), 1020u * 5u);
    auto at = [&](size_t window, size_t k) {
        const auto& m = g.merges[window * 5 + k];
        return std::make_pair(std::get<0>(m), std::get<1>(m));
    };
    using P = std::pair<int, int>;
    EXPECT_EQ(at(0, 4), P(5, 1));    // rows first
    EXPECT_EQ(at(15, 0), P(1, 2));
    EXPECT_EQ(at(285, 4), P(1, 5));  // then columns
    EXPECT_EQ(at(286, 0), P(2, 1));
    EXPECT_EQ(at(570, 4), P(5, 5));  // down-right diagonals
    EXPECT_EQ(at(795, 4), P(15, 5)); // down-left, from the right
    EXPECT_EQ(at(809, 0), P(5, 1));
    EXPECT_EQ(at(1019, 4), P(1, 19));
    EXPECT_EQ(ProbeGame(4, 4).ScanWindows(Player2, false), 10);
}

TEST(PenteEngine, FirstReplyInBothModes)
{
    for (int mode : {1, 0}) {
        tpenteGame g(19, 5);
        g.PlaceStone(10, 10, Player1);
        EXPECT_EQ(bestMove(g, mode), std::make_pair(14, 10));
        EXPECT_NEAR(g.GetWeight(14, 10), mode == 1 ? 5.9 : 3.9, 1e-9);
        // Cells 11 to 14 of the row tie; the last visited wins.
        EXPECT_DOUBLE_EQ(g.GetWeight(11, 10), g.GetWeight(14, 10));
        EXPECT_EQ(g.GetWeight(10, 10), -1.0);
    }
}

TEST(PenteEngine, WinsRatherThanBlocksAndBlocksAFour)
{
    tpenteGame win(19, 5);
    placeRow(win, 8, 11, 10, Player1);
    placeRow(win, 8, 11, 12, Player2);
    EXPECT_EQ(bestMove(win), std::make_pair(12, 12)); // the later-visited end
    win.PlaceStone(12, 12, Player2);
    EXPECT_TRUE(win.IsWon(Player2));
    EXPECT_EQ(win.GetWinner(), Player2);

    for (int variant = 0; variant < 3; ++variant) {
        SCOPED_TRACE(variant);
        tpenteGame g(19, 5);
        placeRow(g, 8, 11, 10, Player1);
        if (variant == 1)
            for (auto [x, y] : {std::pair{1, 1}, {19, 1}, {1, 19}, {19, 19}})
                g.PlaceStone(x, y, Player2);
        if (variant == 2)
            placeRow(g, 8, 10, 12, Player2);
        EXPECT_EQ(bestMove(g), std::make_pair(12, 10));
        EXPECT_NEAR(g.GetWeight(12, 10), 23.9, 1e-9);
        EXPECT_GT(g.GetWeight(7, 10), 20.0); // the other end blocks too
    }

    // Mode 0 does not see the computer's own four.
    tpenteGame defend(19, 5);
    placeRow(defend, 8, 10, 10, Player1);
    placeRow(defend, 8, 11, 14, Player2);
    EXPECT_EQ(bestMove(defend, 1).second, 14);
    EXPECT_EQ(bestMove(defend, 0).second, 10);
}

TEST(PenteEngine, CompleteLinesInEveryDirection)
{
    // Lines touching the edges catch off-by-one loop bounds.
    const int lines[][4] = {{15, 1, 1, 0}, {1, 19, 1, 0}, {19, 15, 0, 1}, {1, 1, 1, 1},
                            {15, 15, 1, 1}, {5, 1, -1, 1}, {19, 15, -1, 1}, {19, 1, -1, 1}};
    for (const auto& l : lines)
        for (int side : {Player1, Player2}) {
            SCOPED_TRACE(testing::Message() << l[0] << "," << l[1] << " side " << side);
            tpenteGame g(19, 5);
            for (int k = 0; k < 4; ++k)
                g.PlaceStone(l[0] + k * l[2], l[1] + k * l[3], side);
            EXPECT_FALSE(g.IsGameOver());
            g.PlaceStone(l[0] + 4 * l[2], l[1] + 4 * l[3], side);
            EXPECT_TRUE(g.IsWon(side));
            EXPECT_EQ(g.GetWinner(), side);
            EXPECT_TRUE(g.IsGameOver());
            EXPECT_FALSE(g.IsTie());
        }
}

TEST(PenteEngine, SixInARowWinsAGapOrOpponentDoesNot)
{
    tpenteGame g(19, 5);
    placeRow(g, 3, 5, 5, Player1);
    placeRow(g, 7, 8, 5, Player1);
    g.PlaceStone(6, 6, Player1);
    g.PlaceStone(6, 7, Player2);
    placeRow(g, 4, 5, 7, Player1);
    placeRow(g, 7, 8, 7, Player1);
    EXPECT_FALSE(g.IsWon(Player1));
    g.PlaceStone(6, 5, Player1);
    EXPECT_TRUE(g.IsWon(Player1));
}

TEST(PenteEngine, FullBoardIsATieWithNoMove)
{
    tpenteGame g(19, 5);
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            g.PlaceStone(x, y, tiePattern(x, y));
    EXPECT_TRUE(g.IsBoardFull());
    EXPECT_FALSE(g.IsWon(Player1));
    EXPECT_TRUE(g.IsTie());
    EXPECT_TRUE(g.IsGameOver());
    int x = 7, y = 7;
    EXPECT_FALSE(g.FindBestMove(1, x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 0));
}

TEST(PenteEngine, TieWithEmptyCellsLeft)
{
    // 5x5, lines of 5: one stone of each colour in every row, column and
    // diagonal, 15 cells still empty.
    tpenteGame g(5, 5);
    const int student[] = {1, 4, 2, 5, 3}; // column for rows 1..5
    const int computer[] = {5, 1, 3, 2, 4};
    for (int y = 1; y <= 5; ++y) {
        g.PlaceStone(student[y - 1], y, Player1);
        if (y < 5)
            g.PlaceStone(computer[y - 1], y, Player2);
    }
    EXPECT_FALSE(g.IsTie()); // row 5 is still open to the student
    g.PlaceStone(computer[4], 5, Player2);
    EXPECT_FALSE(g.IsBoardFull());
    EXPECT_TRUE(g.IsGameOver());
    auto [x, y] = bestMove(g);
    EXPECT_EQ(g.GetCell(x, y), 0);
}
