// The memory board's rules: the deal, turning two cards per move, removing
// pairs, the end of a game; and the status line and clock beside it.
#include "recreations/concentration/ConcentrationPlay.h"
#include "recreations/concentration/MemoryBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

using tv::concentration::ConcentrationPlay;
using tv::concentration::MemoryBoard;

namespace {

constexpr int W = MemoryBoard::CardWidth;
constexpr int H = MemoryBoard::CardHeight;

// A board dealt from a fixed seed that records its events in order.
struct Recorded {
    explicit Recorded(std::uint32_t seed = 7) : engine(seed)
    {
        board.setRandomSource([this](std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(engine); });
        board.OnNewGame = [this] { events.push_back("new"); };
        board.OnGoodMove = [this] { events.push_back("good"); };
        board.OnBadMove = [this] { events.push_back("bad"); };
        board.OnEndOfGame = [this] { events.push_back("end"); };
        board.OnPlaceChanged = [this](int c, int r) { changed.emplace_back(c, r); };
        board.newGame();
        events.clear();
    }

    // Where each picture lies, from the board's own layout.
    std::map<int, std::vector<std::pair<int, int>>> places() const
    {
        std::map<int, std::vector<std::pair<int, int>>> where;
        for (int c = 0; c < MemoryBoard::Columns; ++c)
            for (int r = 0; r < MemoryBoard::Rows; ++r)
                if (board.layout(c, r) > 0)
                    where[board.layout(c, r)].emplace_back(c, r);
        return where;
    }

    void press(int c, int r) { board.mouseDown(c * W + W / 2, r * H + H / 2); }
    void click(int c, int r)
    {
        press(c, r);
        board.mouseUp();
    }
    void move(std::pair<int, int> a, std::pair<int, int> b)
    {
        press(a.first, a.second);
        press(b.first, b.second);
        board.mouseUp();
    }

    std::mt19937 engine;
    MemoryBoard board;
    std::vector<std::string> events;
    std::vector<std::pair<int, int>> changed;
};

} // namespace

TEST(MemoryBoardDeal, EveryFaceExactlyTwiceOnEveryPlace)
{
    for (std::uint32_t seed : {1u, 2u, 3u, 42u, 1000u, 65535u}) {
        Recorded game(seed);
        const auto where = game.places();
        ASSERT_EQ(where.size(), 12u) << "seed " << seed;
        for (const auto& [picture, spots] : where) {
            EXPECT_GE(picture, 1);
            EXPECT_LE(picture, 12);
            EXPECT_EQ(spots.size(), 2u) << "picture " << picture << " seed " << seed;
        }
        for (int c = 0; c < MemoryBoard::Columns; ++c)
            for (int r = 0; r < MemoryBoard::Rows; ++r)
                EXPECT_EQ(game.board.shown(c, r), 0) << "every card starts face down";
        EXPECT_EQ(game.board.pairsLeft(), 12);
        EXPECT_EQ(game.board.first().picture, -1);
        EXPECT_EQ(game.board.second().picture, -1);
    }
}

TEST(MemoryBoardDeal, TakenPlacesAreDrawnAgain)
{
    // Each place is drawn twice in a row, row by row: every second copy and
    // every first copy after it meets a taken place and draws again.
    std::vector<std::uint32_t> draws;
    for (int r = 0; r < MemoryBoard::Rows; ++r)
        for (int c = 0; c < MemoryBoard::Columns; ++c)
            for (int twice = 0; twice < 2; ++twice)
                draws.insert(draws.end(), {std::uint32_t(c), std::uint32_t(r)});
    std::size_t next = 0;
    MemoryBoard board([&](std::uint32_t) { return draws[next++ % draws.size()]; });
    board.newGame();
    for (int r = 0; r < MemoryBoard::Rows; ++r)
        for (int c = 0; c < MemoryBoard::Columns; ++c)
            EXPECT_EQ(board.layout(c, r), (r * MemoryBoard::Columns + c) / 2 + 1) << c << "," << r;
}

TEST(MemoryBoardDeal, FewerPairsLeaveEmptyPlacesThatRecordNothing)
{
    Recorded game;
    game.board.setPictureCount(3);
    game.board.newGame();
    int dealt = 0;
    std::pair<int, int> empty{-1, -1};
    for (int c = 0; c < MemoryBoard::Columns; ++c)
        for (int r = 0; r < MemoryBoard::Rows; ++r) {
            if (game.board.layout(c, r) > 0)
                ++dealt;
            else {
                EXPECT_EQ(game.board.shown(c, r), -1);
                empty = {c, r};
            }
        }
    EXPECT_EQ(dealt, 6);
    EXPECT_EQ(game.board.pairsLeft(), 3);
    game.press(empty.first, empty.second);
    EXPECT_EQ(game.board.first().picture, -1);

    game.board.setPictureCount(20); // more pairs than the board holds
    EXPECT_EQ(game.board.pictureCount(), 12);
    game.board.setPictureCount(-1);
    EXPECT_EQ(game.board.pictureCount(), 0);
}

TEST(MemoryBoardMoves, FirstCardStaysUpAndASecondPressOnItDoesNothing)
{
    Recorded game;
    const auto where = game.places();
    const auto [c, r] = where.at(5)[0];
    game.click(c, r);
    EXPECT_EQ(game.board.shown(c, r), 5);
    EXPECT_EQ(game.board.first().picture, 5);
    EXPECT_EQ(game.board.first().col, c);
    EXPECT_EQ(game.board.first().row, r);

    game.click(c, r); // the same card again
    EXPECT_EQ(game.board.second().picture, -1);
    EXPECT_EQ(game.board.shown(c, r), 5);
    EXPECT_TRUE(game.events.empty());

    // The move goes on with the next press elsewhere.
    game.click(where.at(5)[1].first, where.at(5)[1].second);
    EXPECT_EQ(game.events, std::vector<std::string>{"good"});
    EXPECT_EQ(game.board.pairsLeft(), 11);
}

TEST(MemoryBoardMoves, DifferentCardsShowWhileHeldAndTurnDownOnRelease)
{
    Recorded game;
    const auto where = game.places();
    const auto a = where.at(1)[0];
    const auto b = where.at(2)[1];
    game.press(a.first, a.second);
    game.board.mouseUp();
    game.press(b.first, b.second);
    EXPECT_EQ(game.board.shown(a.first, a.second), 1);
    EXPECT_EQ(game.board.shown(b.first, b.second), 2);
    game.board.mouseUp();
    EXPECT_EQ(game.events, std::vector<std::string>{"bad"});
    EXPECT_EQ(game.board.shown(a.first, a.second), 0);
    EXPECT_EQ(game.board.shown(b.first, b.second), 0);
    EXPECT_EQ(game.board.layout(a.first, a.second), 1) << "a bad move removes nothing";
    EXPECT_EQ(game.board.first().picture, -1);
    EXPECT_EQ(game.board.second().picture, -1);
    EXPECT_EQ(game.board.pairsLeft(), 12);
}

TEST(MemoryBoardMoves, AMatchRemovesBothCardsAndOnlyThoseRepaint)
{
    Recorded game;
    const auto pair = game.places().at(9);
    game.changed.clear();
    game.move(pair[0], pair[1]);
    EXPECT_EQ(game.events, std::vector<std::string>{"good"});
    for (const auto& [c, r] : pair) {
        EXPECT_EQ(game.board.layout(c, r), -1);
        EXPECT_EQ(game.board.shown(c, r), -1);
    }
    // Turned up (press, press) then removed (release): four place changes.
    const std::vector<std::pair<int, int>> expected{pair[0], pair[1], pair[0], pair[1]};
    EXPECT_EQ(game.changed, expected);
}

TEST(MemoryBoardMoves, PressesThatRecordNoCard)
{
    const auto removedPlace = [] {
        Recorded probe;
        return probe.places().at(4)[0];
    }();
    struct Case {
        const char* what;
        int x, y;
    } cases[] = {
        {"right of the places", 6 * W, 10},
        {"below the places", 10, 4 * H},
        {"left of the board", -1, 10},
        {"above the board", 10, -1},
        {"a removed place", removedPlace.first * W + 5, removedPlace.second * H + 5},
    };
    for (const Case& k : cases) {
        Recorded game; // the same seed: the same deal as the probe
        const auto where = game.places();
        game.move(where.at(4)[0], where.at(4)[1]);
        game.events.clear();
        // As the first card.
        game.board.mouseDown(k.x, k.y);
        EXPECT_EQ(game.board.first().picture, -1) << k.what;
        game.board.mouseUp();
        // As the second card: the first stays up alone.
        const auto a = where.at(6)[0];
        game.click(a.first, a.second);
        game.board.mouseDown(k.x, k.y);
        EXPECT_EQ(game.board.second().picture, -1) << k.what;
        game.board.mouseUp();
        EXPECT_EQ(game.board.shown(a.first, a.second), 6) << k.what;
        EXPECT_EQ(game.board.first().picture, 6) << k.what;
        EXPECT_TRUE(game.events.empty()) << k.what;
    }
}

TEST(MemoryBoardMoves, AThirdPressDuringAMoveIsIgnored)
{
    // A second button pressed while two cards are up must not turn a third
    // card that nothing would ever turn down again.
    Recorded game;
    const auto where = game.places();
    game.press(where.at(1)[0].first, where.at(1)[0].second);
    game.press(where.at(2)[0].first, where.at(2)[0].second);
    game.press(where.at(3)[0].first, where.at(3)[0].second);
    EXPECT_EQ(game.board.shown(where.at(3)[0].first, where.at(3)[0].second), 0);
    EXPECT_EQ(game.board.second().picture, 2);
    game.board.mouseUp();
    game.board.mouseUp(); // the other button's release
    for (int p : {1, 2, 3})
        EXPECT_EQ(game.board.shown(where.at(p)[0].first, where.at(p)[0].second), 0) << p;
    EXPECT_EQ(game.events, std::vector<std::string>{"bad"});
}

TEST(MemoryBoardMoves, TheLastPairEndsTheGameAndTheNextPressDeals)
{
    Recorded game;
    const auto where = game.places();
    for (const auto& [picture, spots] : where)
        game.move(spots[0], spots[1]);
    ASSERT_EQ(game.events.size(), 13u);
    EXPECT_EQ(game.events.back(), "end");
    EXPECT_EQ(std::count(game.events.begin(), game.events.end(), "good"), 12);
    EXPECT_EQ(game.board.pairsLeft(), 0);

    game.events.clear();
    game.board.mouseDown(5, 5);
    EXPECT_EQ(game.events, std::vector<std::string>{"new"});
    EXPECT_EQ(game.board.pairsLeft(), 12);
    EXPECT_EQ(game.board.first().picture, -1) << "the dealing press turns no card";
    game.board.mouseUp();
    EXPECT_EQ(game.events.size(), 1u);
    EXPECT_EQ(game.places().size(), 12u);
}

TEST(ConcentrationPlay, StatusAndClockFollowTheGame)
{
    ConcentrationPlay play;
    EXPECT_EQ(play.clockText(), QStringLiteral("Seconds:  0"));
    EXPECT_FALSE(play.clockRunning());
    play.tick();
    EXPECT_EQ(play.seconds(), 0) << "no game, no time";

    play.newGame();
    EXPECT_EQ(play.status(), QStringLiteral("Click on two of the cards"));
    EXPECT_TRUE(play.clockRunning());
    for (int i = 0; i < 3; ++i)
        play.tick();
    EXPECT_EQ(play.clockText(), QStringLiteral("Seconds: 3"));
    play.badMove();
    EXPECT_EQ(play.status(), QStringLiteral("Sorry, Try again..."));
    play.goodMove();
    EXPECT_EQ(play.status(), QStringLiteral("Good Move, A Match!"));
    play.endOfGame();
    EXPECT_EQ(play.status(), QStringLiteral("You won!"));
    EXPECT_FALSE(play.clockRunning());
    play.tick();
    EXPECT_EQ(play.clockText(), QStringLiteral("Seconds: 3")) << "the stopped clock keeps the time";

    play.newGame();
    EXPECT_EQ(play.seconds(), 0);
    EXPECT_EQ(play.clockText(), QStringLiteral("Seconds:  0"));
    play.tick();
    EXPECT_EQ(play.clockText(), QStringLiteral("Seconds: 1"));
}
