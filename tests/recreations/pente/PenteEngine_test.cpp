// The five-in-a-row engine: line values, window values, the move choice and
// the end-of-game tests.
#include "recreations/pente/PenteU.h"

#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

using tv::pente::Player1;
using tv::pente::Player2;
using tv::pente::tpenteGame;

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

struct Move {
    int x = -1, y = -1;
    bool found = false;
};

Move bestMove(tpenteGame& g, int mode = 1)
{
    Move m;
    m.found = g.FindBestMove(mode, m.x, m.y);
    return m;
}

} // namespace

TEST(PenteLineValues, TablesForLineSizesThreeFourFive)
{
    struct Case {
        int lineSize;
        std::vector<int> student, computer; // counts 1..LineSize-1
    };
    const Case cases[] = {
        {3, {6, 12}, {4, 18}},
        {4, {4, 8, 16}, {3, 6, 24}},
        {5, {2, 5, 10, 20}, {2, 3, 7, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lineSize);
        tpenteGame g(19, c.lineSize);
        for (int k = 1; k < c.lineSize; ++k) {
            EXPECT_EQ(g.GetLineValue(Player1, k), c.student[k - 1]) << "count " << k;
            EXPECT_EQ(g.GetLineValue(Player2, k), c.computer[k - 1]) << "count " << k;
        }
        // An opponent stone, an empty window and a full line carry nothing.
        for (int count : {-1, 0, c.lineSize, c.lineSize + 1}) {
            EXPECT_EQ(g.GetLineValue(Player1, count), 0) << "count " << count;
            EXPECT_EQ(g.GetLineValue(Player2, count), 0) << "count " << count;
        }
    }
}

TEST(PenteConstruction, FreshGameAndSizeErrors)
{
    tpenteGame g(19, 5);
    EXPECT_EQ(g.GetSize(), 19);
    EXPECT_EQ(g.GetTurn(), 1);
    EXPECT_EQ(g.GetWinner(), 0);
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 20; ++y)
            ASSERT_EQ(g.GetCell(x, y), 0);
    g.NextTurn();
    g.NextTurn();
    EXPECT_EQ(g.GetTurn(), 3);

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
    EXPECT_NO_THROW(tpenteGame(100, 5));
}

TEST(PenteStones, PlaceStoneKeepsAnOccupiedCell)
{
    tpenteGame g(19, 5);
    g.PlaceStone(3, 4, Player1);
    EXPECT_EQ(g.GetCell(3, 4), Player1);
    EXPECT_EQ(g.GetCell(4, 3), 0); // x is the column, y the row
    g.PlaceStone(3, 4, Player2);
    EXPECT_EQ(g.GetCell(3, 4), Player1);
}

TEST(PenteWeights, SetWeightRaisesOrAddsExtendedTenth)
{
    tpenteGame g(19, 5);
    g.SetWeight(1, 1, 2.0);
    EXPECT_EQ(g.GetWeight(1, 1), 2.0);
    g.SetWeight(1, 1, 2.0); // an equal value does not raise: adds 0.1
    g.SetWeight(1, 1, 1.0);
    const long double expected = static_cast<double>(
        static_cast<long double>(static_cast<double>(2.0L + 0.1L)) + 0.1L);
    EXPECT_EQ(g.GetWeight(1, 1), static_cast<double>(expected));
    g.SetWeight(1, 1, 5.0);
    EXPECT_EQ(g.GetWeight(1, 1), 5.0);

    // Extended steps drift their own way: three give exactly the double 0.3
    // (a double 0.1 gives 0.30000000000000004), five stay just below 0.5.
    tpenteGame h(19, 5);
    for (int i = 0; i < 3; ++i)
        h.SetWeight(2, 2, -1.0);
    EXPECT_EQ(h.GetWeight(2, 2), 0.3);
    EXPECT_NE(h.GetWeight(2, 2), 0.1 + 0.1 + 0.1);
    h.SetWeight(2, 2, -1.0);
    h.SetWeight(2, 2, -1.0);
    EXPECT_EQ(h.GetWeight(2, 2), std::nextafter(0.5, 0.0));
}

TEST(PenteWindows, ValueDropsByOneAtEdgeOrOpponent)
{
    ProbeGame g(19, 5);
    g.PlaceStone(10, 10, Player1);
    g.PlaceStone(1, 3, Player1);
    g.PlaceStone(3, 19, Player1);
    g.PlaceStone(5, 7, Player2);
    g.PlaceStone(6, 7, Player1);
    auto valueOf = [&](int x, int y, int dir, int side, int& result) {
        g.merges.clear();
        result = g.EvaluateWindow(x, y, 5, dir, side, true);
        EXPECT_EQ(g.merges.size(), 5u);
        for (const auto& m : g.merges)
            EXPECT_EQ(std::get<2>(m), std::get<2>(g.merges.front()));
        return g.merges.empty() ? -99.0 : std::get<2>(g.merges.front());
    };
    int r = -1;
    // Open on both sides: the table value (one stone: 2).
    EXPECT_EQ(valueOf(8, 10, 1, Player1, r), 2.0);
    EXPECT_EQ(r, 1);
    // Starting on the left edge: the cell before it is off the board.
    EXPECT_EQ(valueOf(1, 3, 1, Player1, r), 1.0);
    // Ending on the right edge.
    EXPECT_EQ(valueOf(15, 10, 1, Player1, r), -1.0); // empty window at the edge
    EXPECT_EQ(valueOf(3, 15, 0, Player1, r), 1.0);   // column ending at row 19
    // Bounded by an opponent stone just before the start.
    EXPECT_EQ(valueOf(6, 7, 1, Player1, r), 1.0);
    EXPECT_EQ(r, 1);
    // The same window weighed for the computer holds an opponent stone.
    EXPECT_EQ(valueOf(6, 7, 1, Player2, r), 0.0);
    EXPECT_EQ(r, 0);
    // Both colours and an edge: -1.
    EXPECT_EQ(valueOf(1, 7, 1, Player1, r), -1.0);
    EXPECT_EQ(r, 0);
    // The down-left diagonal: cell before (11,9) empty, after (5,15) empty.
    EXPECT_EQ(valueOf(10, 10, 3, Player1, r), 2.0);
    EXPECT_EQ((std::vector<int>{std::get<0>(g.merges[4]), std::get<1>(g.merges[4])}),
              (std::vector<int>{6, 14}));
    // A down-left window starting on the right edge.
    EXPECT_EQ(valueOf(19, 1, 3, Player1, r), -1.0);
}

TEST(PenteWindows, ScanVisitsEveryWindowInOrder)
{
    ProbeGame g(19, 5);
    EXPECT_EQ(g.ScanWindows(Player1, false), 285 + 285 + 225 + 225);
    EXPECT_TRUE(g.merges.empty());
    g.ScanWindows(Player1, true);
    ASSERT_EQ(g.merges.size(), 1020u * 5u);
    auto at = [&](size_t window, size_t k) {
        const auto& m = g.merges[window * 5 + k];
        return std::make_pair(std::get<0>(m), std::get<1>(m));
    };
    EXPECT_EQ(at(0, 0), std::make_pair(1, 1));      // rows first
    EXPECT_EQ(at(0, 4), std::make_pair(5, 1));
    EXPECT_EQ(at(14, 0), std::make_pair(15, 1));
    EXPECT_EQ(at(15, 0), std::make_pair(1, 2));
    EXPECT_EQ(at(285, 0), std::make_pair(1, 1));    // then columns
    EXPECT_EQ(at(285, 4), std::make_pair(1, 5));
    EXPECT_EQ(at(286, 0), std::make_pair(2, 1));
    EXPECT_EQ(at(570, 4), std::make_pair(5, 5));    // down-right diagonals
    EXPECT_EQ(at(795, 0), std::make_pair(19, 1));   // down-left, from the right
    EXPECT_EQ(at(795, 4), std::make_pair(15, 5));
    EXPECT_EQ(at(809, 0), std::make_pair(5, 1));
    EXPECT_EQ(at(810, 0), std::make_pair(19, 2));
    EXPECT_EQ(at(1019, 4), std::make_pair(1, 19));

    ProbeGame small(4, 5 - 1);
    EXPECT_EQ(small.ScanWindows(Player2, false), 4 + 4 + 1 + 1);
}

TEST(PenteMoveChoice, FirstReplyBesideTheStudentStone)
{
    tpenteGame g(19, 5);
    g.PlaceStone(10, 10, Player1);
    Move m = bestMove(g, 1);
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.x, 14);
    EXPECT_EQ(m.y, 10);
    EXPECT_NEAR(g.GetWeight(14, 10), 5.9, 1e-9);
    // Cells 11 to 14 of the row tie; the last visited wins.
    for (int x = 11; x <= 13; ++x)
        EXPECT_DOUBLE_EQ(g.GetWeight(x, 10), g.GetWeight(14, 10)) << x;
    EXPECT_EQ(g.GetWeight(10, 10), -1.0);
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 19; ++x)
            if (x != 10 || y != 10) {
                ASSERT_LE(g.GetWeight(x, y), g.GetWeight(14, 10) + 1e-12) << x << "," << y;
            }

    tpenteGame d(19, 5);
    d.PlaceStone(10, 10, Player1);
    m = bestMove(d, 0);
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.x, 14);
    EXPECT_EQ(m.y, 10);
    EXPECT_NEAR(d.GetWeight(14, 10), 3.9, 1e-9);
}

TEST(PenteMoveChoice, EmptyBoardGoesToTheLastCell)
{
    tpenteGame g(19, 5);
    Move m = bestMove(g);
    ASSERT_TRUE(m.found);
    // Every cell's weight ties only where symmetric; the answer is the
    // heaviest cell visited last, never an earlier equal one.
    double best = -1.0;
    int bx = 0, by = 0;
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 19; ++x)
            if (g.GetWeight(x, y) >= best) {
                best = g.GetWeight(x, y);
                bx = x;
                by = y;
            }
    EXPECT_EQ(m.x, bx);
    EXPECT_EQ(m.y, by);
    EXPECT_GE(best, 0.0);
}

TEST(PenteMoveChoice, WinsRatherThanBlocks)
{
    tpenteGame g(19, 5);
    placeRow(g, 8, 11, 10, Player1);
    placeRow(g, 8, 11, 12, Player2);
    Move m = bestMove(g);
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.y, 12);
    EXPECT_EQ(m.x, 12); // both ends win; the later-visited one is taken
    g.PlaceStone(m.x, m.y, Player2);
    EXPECT_TRUE(g.IsWon(Player2));
    EXPECT_EQ(g.GetWinner(), Player2);
}

TEST(PenteMoveChoice, BlocksTheStudentsFour)
{
    auto fourInRow10 = [] {
        tpenteGame g(19, 5);
        placeRow(g, 8, 11, 10, Player1);
        return g;
    };
    {
        SCOPED_TRACE("no computer stones");
        tpenteGame g = fourInRow10();
        Move m = bestMove(g);
        EXPECT_EQ(m.x, 12);
        EXPECT_EQ(m.y, 10);
        EXPECT_NEAR(g.GetWeight(12, 10), 23.9, 1e-9);
        // The other end blocks too, but weighs less.
        EXPECT_GT(g.GetWeight(7, 10), 20.0);
        EXPECT_LT(g.GetWeight(7, 10), g.GetWeight(12, 10));
    }
    {
        SCOPED_TRACE("computer stones in the corners");
        tpenteGame g = fourInRow10();
        for (auto [x, y] : {std::pair{1, 1}, {19, 1}, {1, 19}, {19, 19}})
            g.PlaceStone(x, y, Player2);
        Move m = bestMove(g);
        EXPECT_EQ(m.x, 12);
        EXPECT_EQ(m.y, 10);
        EXPECT_NEAR(g.GetWeight(12, 10), 23.9, 1e-9);
    }
    {
        SCOPED_TRACE("computer three");
        tpenteGame g = fourInRow10();
        placeRow(g, 8, 10, 12, Player2);
        Move m = bestMove(g);
        EXPECT_EQ(m.x, 12);
        EXPECT_EQ(m.y, 10);
        EXPECT_NEAR(g.GetWeight(12, 10), 23.9, 1e-9);
    }
}

TEST(PenteMoveChoice, DefensiveModeIgnoresComputerLines)
{
    // A computer four would win at once, but mode 0 does not see it.
    tpenteGame g(19, 5);
    placeRow(g, 8, 10, 10, Player1);
    placeRow(g, 8, 11, 14, Player2);
    Move attack = bestMove(g, 1);
    EXPECT_EQ(attack.y, 14);
    Move defend = bestMove(g, 0);
    EXPECT_EQ(defend.y, 10);
    EXPECT_TRUE(defend.x >= 6 && defend.x <= 12) << defend.x;
}

TEST(PenteLines, CompleteLinesInEveryDirection)
{
    struct Line {
        int x, y, dx, dy;
    };
    // Lines touching the board edges catch off-by-one loop bounds.
    const Line lines[] = {
        {15, 1, 1, 0}, {1, 19, 1, 0}, {19, 15, 0, 1}, {1, 1, 0, 1},
        {15, 15, 1, 1}, {1, 1, 1, 1}, {5, 1, -1, 1}, {19, 15, -1, 1}, {19, 1, -1, 1},
    };
    for (const Line& l : lines) {
        for (int side : {Player1, Player2}) {
            SCOPED_TRACE(testing::Message() << l.x << "," << l.y << " d" << l.dx << l.dy
                                            << " side " << side);
            tpenteGame g(19, 5);
            for (int k = 0; k < 4; ++k)
                g.PlaceStone(l.x + k * l.dx, l.y + k * l.dy, side);
            EXPECT_FALSE(g.IsWon(side));
            EXPECT_FALSE(g.IsGameOver());
            g.PlaceStone(l.x + 4 * l.dx, l.y + 4 * l.dy, side);
            EXPECT_TRUE(g.IsWon(side));
            EXPECT_EQ(g.GetWinner(), side);
            EXPECT_TRUE(g.IsGameOver());
            EXPECT_FALSE(g.IsTie());
        }
    }
}

TEST(PenteLines, SixInARowWinsAndAGapDoesNot)
{
    tpenteGame gap(19, 5);
    placeRow(gap, 3, 6, 5, Player1);
    placeRow(gap, 8, 8, 5, Player1);
    EXPECT_FALSE(gap.IsWon(Player1));
    EXPECT_FALSE(gap.IsWon(Player2));

    tpenteGame six(19, 5);
    placeRow(six, 3, 5, 5, Player1);
    placeRow(six, 7, 9, 5, Player1);
    EXPECT_FALSE(six.IsWon(Player1));
    six.PlaceStone(6, 5, Player1);
    EXPECT_TRUE(six.IsWon(Player1));
    EXPECT_EQ(six.GetWinner(), Player1);

    // The other player's stone interrupts a line.
    tpenteGame cut(19, 5);
    placeRow(cut, 3, 4, 5, Player1);
    cut.PlaceStone(5, 5, Player2);
    placeRow(cut, 6, 7, 5, Player1);
    EXPECT_FALSE(cut.IsWon(Player1));
}

TEST(PenteEnd, FullBoardIsATieWithNoMove)
{
    tpenteGame g(19, 5);
    // Alternate colours along each row, shifted every second row: no five
    // of one colour anywhere.
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            g.PlaceStone(x, y, ((y / 2) + x + y) % 2 ? Player1 : Player2);
    EXPECT_TRUE(g.IsBoardFull());
    EXPECT_FALSE(g.IsWon(Player1));
    EXPECT_FALSE(g.IsWon(Player2));
    EXPECT_TRUE(g.IsTie());
    EXPECT_TRUE(g.IsGameOver());
    int x = 7, y = 7;
    EXPECT_FALSE(g.FindBestMove(1, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(g.GetWeight(5, 5), -1.0);
}

TEST(PenteEnd, TieWithEmptyCellsLeft)
{
    // 5x5 with lines of 5: one stone of each colour in every row and column
    // and on both diagonals, 15 cells still empty.
    tpenteGame g(5, 5);
    const int student[] = {1, 4, 2, 5, 3}; // column of row 1..5
    const int computer[] = {5, 1, 3, 2, 4};
    for (int y = 1; y <= 5; ++y) {
        g.PlaceStone(student[y - 1], y, Player1);
        if (y < 5)
            g.PlaceStone(computer[y - 1], y, Player2);
    }
    EXPECT_FALSE(g.IsTie()); // row 5 is still open to the student
    EXPECT_FALSE(g.IsGameOver());
    g.PlaceStone(computer[4], 5, Player2);
    EXPECT_FALSE(g.IsBoardFull());
    EXPECT_TRUE(g.IsTie());
    EXPECT_TRUE(g.IsGameOver());
    Move m = bestMove(g);
    EXPECT_TRUE(m.found);
    EXPECT_EQ(g.GetCell(m.x, m.y), 0);
}

TEST(PenteGame, SameMovesDrawSameReplies)
{
    // A student who always plays the first empty cell from a fixed walk.
    auto play = [] {
        tpenteGame g(19, 5);
        std::vector<std::pair<int, int>> replies;
        int walk = 0;
        while (!g.IsGameOver() && walk < 361) {
            int sx = 1 + (walk * 7) % 19, sy = 1 + (walk * 11 / 19) % 19;
            ++walk;
            if (g.GetCell(sx, sy) != 0)
                continue;
            g.PlaceStone(sx, sy, Player1);
            if (g.IsWon(Player1))
                break;
            int x = 0, y = 0;
            if (g.FindBestMove(1, x, y)) {
                EXPECT_EQ(g.GetCell(x, y), 0);
                g.PlaceStone(x, y, Player2);
                replies.emplace_back(x, y);
            }
            if (g.IsWon(Player2) || g.IsTie())
                break;
            g.NextTurn();
        }
        return std::make_pair(replies, g.GetWinner());
    };
    auto first = play();
    auto second = play();
    EXPECT_FALSE(first.first.empty());
    EXPECT_EQ(first, second);
    // This scattering student loses to the computer.
    EXPECT_EQ(first.second, Player2);
}
