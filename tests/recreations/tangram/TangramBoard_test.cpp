// The board's rules without a widget: figures and silhouettes, the mouse
// and key rules, the fit test, and what is painted in which order.
#include "tests/recreations/tangram/TangramTestData.h"

#include <gtest/gtest.h>

using namespace tv::tangram;
using namespace tv::tangram::test;

namespace {

// Feeds the board the way the window does and remembers what it was asked to do.
struct LogicDriver {
    explicit LogicDriver(tTangram& b) : b(b) {}
    const tTangram& board() const { return b; }
    void press(QPoint p, Button button)
    {
        pointer_ = p;
        apply(b.MouseDown(p, button));
    }
    void move(QPoint p)
    {
        pointer_ = p;
        apply(b.MouseMove(p));
    }
    void key(int code) { apply(b.KeyDown(code)); }
    QPoint pointer() const { return pointer_; }
    void apply(const Reaction& r)
    {
        last = r;
        if (r.pointerTo)
            pointer_ = *r.pointerTo;
        solvedCount += r.solved;
        beeps += r.beep;
    }

    tTangram& b;
    QPoint pointer_;
    Reaction last;
    int solvedCount = 0;
    int beeps = 0;
};

std::vector<QPoint> screenOf(const tpiece& p)
{
    const auto v = p.screenVertices();
    return {v.begin(), v.end()};
}

// Two identical right triangles A and B whose silhouettes make a square,
// and a small square C that the figure does not use.
const char* const kPairPieces = "Pair pieces\n3\nA\n3 3 0 0\n3\n0 0\n4 0\n0 4\nB\n10 3 0 0\n3\n0 0\n4 0\n0 4\n"
                                "C\n3 12 0 0\n4\n-1 -1\n1 -1\n1 1\n-1 1\n";
const char* const kPairFigures = "Pair figures\npair.txt\n1\nSquare of two\n1 0 5 5 0 0\n1 1 9 9 4 0\n0 2 0 0 0 0\n";

tTangram pairBoard()
{
    tTangram b(BoardWidth, BoardHeight);
    b.adopt(parseFigureSet(kPairFigures, QStringLiteral("pair.tan"), kPairPieces, b.geometry()),
            QStringLiteral("pair.tan"));
    b.SelectFigure(1);
    return b;
}

// Picks piece `i` up, turns it `steps` times and carries it so its centre
// sits on (x, y) units.
void carry(LogicDriver& d, int i, int x, int y, int steps = 0)
{
    d.press(grabPoint(d.b, i), Button::Left);
    ASSERT_EQ(d.b.Selected(), i);
    for (int s = 0; s < steps; ++s)
        d.press(d.pointer(), Button::Right);
    const QPoint to(x * d.b.Unit(), y * d.b.Unit());
    d.move(pointerFor(d.b.pieces()[std::size_t(i)].screenCenter, to, d.b.Unit()));
    ASSERT_EQ(d.b.pieces()[std::size_t(i)].screenCenter, to);
}

} // namespace

TEST(TangramBoard, LoadedPiecesStartInTheTrayInTheirHomeState)
{
    tTangram b(BoardWidth, BoardHeight);
    EXPECT_EQ(b.Unit(), 12);
    EXPECT_EQ(b.divider(), 444);
    b.LoadFigures(dataPath("classic.tan"));
    ASSERT_EQ(b.pieceCount(), 7);
    EXPECT_EQ(b.figureCount(), 3);
    EXPECT_EQ(b.CurrentFigure(), 0);
    EXPECT_EQ(b.piecesFileName(), QStringLiteral("classic.txt"));
    EXPECT_EQ(b.pieceNames()[0], QStringLiteral("Large triangle A"));
    const tpiece& first = b.pieces()[0]; // home 7, 3
    EXPECT_EQ(first.origin, QPoint(444 + 7 * 12, 3 * 12));
    EXPECT_EQ(first.center, QPoint(0, 0));
    EXPECT_EQ(first.screenCenter, first.origin);
    EXPECT_EQ(screenOf(first), (std::vector<QPoint>{{444 + 1 * 12, 1 * 12}, {444 + 13 * 12, 12}, {444 + 7 * 12, 7 * 12}}));
    for (const tpiece& p : b.pieces()) {
        EXPECT_EQ(p.colour, White);
        EXPECT_TRUE(p.movable);
        EXPECT_TRUE(p.visible);
        EXPECT_GT(p.screenCenter.x(), b.divider());
    }
    EXPECT_TRUE(b.targets().empty());
    EXPECT_TRUE(b.paintList().size() == 7) << "no silhouettes before a figure is chosen";
}

TEST(TangramBoard, SilhouettesSitOnTheirUnitsInWhiteAndUnusedPiecesHide)
{
    tTangram b(BoardWidth, BoardHeight);
    b.LoadFigures(dataPath("classic.tan"));
    b.SelectFigure(2); // the house leaves the parallelogram out
    EXPECT_EQ(b.CurrentFigure(), 2);
    ASSERT_EQ(b.targets().size(), 6u);
    const Tfigpieces& house = b.figures()[1];
    EXPECT_EQ(house.title, QStringLiteral("House"));
    std::size_t t = 0;
    for (std::size_t i = 0; i < 7; ++i) {
        const Tfigpiece& e = house.entries[i];
        EXPECT_EQ(b.pieces()[i].visible, e.present);
        EXPECT_EQ(b.pieces()[i].colour, e.colour);
        if (!e.present)
            continue;
        const tpiece& s = b.targets()[t++];
        EXPECT_EQ(s.screenCenter, QPoint(e.x * 12, e.y * 12));
        EXPECT_EQ(s.colour, White);
        EXPECT_FALSE(s.movable);
    }
    EXPECT_EQ(b.pieces()[0].colour, colourOfIndex(1));
    EXPECT_EQ(colourOfIndex(1), 0xFF0000u);
    EXPECT_EQ(colourOfIndex(11), 0x808000u);
}

TEST(TangramBoard, NextAndPreviousWrapAround)
{
    struct Row {
        const char* file;
        int from, asked, shown;
    };
    const Row rows[] = {
            {"classic.tan", 3, 4, 1}, // Next on the last
            {"classic.tan", 1, 0, 3}, // Previous on the first
            {"classic.tan", 2, 3, 3},
            {"classic.tan", 2, 1, 1},
            {"single.tan", 1, 2, 1},
            {"single.tan", 1, 0, 1},
    };
    for (const Row& r : rows) {
        tTangram b(BoardWidth, BoardHeight);
        b.LoadFigures(dataPath(r.file));
        b.SelectFigure(r.from);
        b.SelectFigure(r.asked);
        EXPECT_EQ(b.CurrentFigure(), r.shown) << r.file << " " << r.from << " -> " << r.asked;
    }
    tTangram empty(BoardWidth, BoardHeight);
    empty.SelectFigure(1); // nothing loaded: nothing happens
    EXPECT_EQ(empty.CurrentFigure(), 0);
}

TEST(TangramBoard, EveryFigureOfOurSetsIsSolvedByMouseAndFKey)
{
    for (const char* file : {"classic.tan", "odd.tan", "single.tan"}) {
        tTangram b(BoardWidth, BoardHeight);
        b.LoadFigures(dataPath(file));
        for (int f = 1; f <= b.figureCount(); ++f) {
            b.SelectFigure(f);
            LogicDriver d(b);
            solveCurrentFigure(d);
            EXPECT_EQ(d.solvedCount, 1) << file << " figure " << f;
            EXPECT_EQ(d.beeps, 0);
            EXPECT_EQ(b.PlacedCount(), int(b.targets().size()));
        }
    }
}

TEST(TangramBoard, TheMessageNeedsEverySilhouetteCoveredAtOnce)
{
    tTangram b = pairBoard();
    LogicDriver d(b);
    carry(d, 0, 5, 5);
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(b.PlacedCount(), 1);
    d.press(grabPoint(b, 0), Button::Left); // picking a placed piece up lowers the count
    EXPECT_EQ(b.PlacedCount(), 0);
    EXPECT_EQ(b.Selected(), 0);
    d.press(d.pointer(), Button::Left); // and setting it down again raises it
    EXPECT_EQ(b.PlacedCount(), 1);
    carry(d, 1, 9, 9, 4);
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(d.solvedCount, 1);
    d.press(grabPoint(b, 1), Button::Left);
    EXPECT_EQ(b.PlacedCount(), 1);
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(d.solvedCount, 2);
}

TEST(TangramBoard, FitTestRefusesCrossingAndStackingAndTakesOneSharedEdge)
{
    tTangram b = pairBoard();
    LogicDriver d(b);
    carry(d, 0, 5, 5);
    d.press(d.pointer(), Button::Left);
    ASSERT_EQ(b.Selected(), -1);

    // C lies inside the silhouettes but its edges cross A's long edge.
    carry(d, 2, 7, 6);
    EXPECT_FALSE(b.FitsTargets(b.pieces()[2], 2));
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(d.beeps, 1);
    EXPECT_EQ(b.Selected(), 2) << "a refused piece stays in hand";

    // Back over the tray it goes home, turn and all.
    d.press(d.pointer(), Button::Right);
    d.move(pointerFor(b.pieces()[2].screenCenter, QPoint(b.divider() + 10 * 12, 30 * 12), 12));
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(b.Selected(), -1);
    EXPECT_EQ(screenOf(b.pieces()[2]), screenOf(b.homePieces()[2]));
    EXPECT_EQ(b.pieces()[2].turn, 0);
    EXPECT_EQ(b.PlacedCount(), 1);

    // B exactly on top of the identical A: two shared edges.
    carry(d, 1, 5, 5);
    EXPECT_EQ(screenOf(b.pieces()[1]), screenOf(b.pieces()[0]));
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(d.beeps, 2);
    EXPECT_EQ(b.Selected(), 1);

    // Turned half round onto its own silhouette it shares one edge with A.
    d.press(d.pointer(), Button::Right);
    d.press(d.pointer(), Button::Right);
    d.press(d.pointer(), Button::Right);
    d.press(d.pointer(), Button::Right);
    d.move(pointerFor(b.pieces()[1].screenCenter, QPoint(9 * 12, 9 * 12), 12));
    EXPECT_TRUE(b.FitsTargets(b.pieces()[1], 1));
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(b.Selected(), -1);
    EXPECT_EQ(d.solvedCount, 1);
}

// Mended: a piece lying inside a placed one touched no edge it could cross,
// so it was set down and the figure reported solved with a silhouette bare.
TEST(TangramBoard, APieceInsideAPlacedOneIsRefusedSoTheFigureIsNotCalledSolved)
{
    const char* const pieces = "Big and small\n2\nBig\n3 3 0 0\n3\n0 0\n8 0\n0 8\nSmall\n3 12 0 0\n3\n0 0\n2 0\n0 2\n";
    const char* const figures = "Apart\nbs.txt\n1\nTwo triangles\n1 0 5 5 0 0\n1 1 20 5 0 0\n";
    tTangram b(BoardWidth, BoardHeight);
    b.adopt(parseFigureSet(figures, QStringLiteral("bs.tan"), pieces, b.geometry()), QStringLiteral("bs.tan"));
    b.SelectFigure(1);
    LogicDriver d(b);
    carry(d, 0, 5, 5);
    d.press(d.pointer(), Button::Left);
    ASSERT_EQ(b.PlacedCount(), 1);
    const struct {
        const char* what;
        int x, y;
    } spots[] = {{"wholly inside", 6, 6}, {"along the top edge, inside", 7, 5}};
    for (const auto& spot : spots) {
        if (b.Selected() < 0)
            d.press(grabPoint(b, 1), Button::Left);
        const QPoint to(spot.x * b.Unit(), spot.y * b.Unit());
        d.move(pointerFor(b.pieces()[1].screenCenter, to, b.Unit()));
        ASSERT_EQ(b.pieces()[1].screenCenter, to) << spot.what;
        d.press(d.pointer(), Button::Left);
        EXPECT_EQ(b.Selected(), 1) << spot.what;
        EXPECT_EQ(b.PlacedCount(), 1) << spot.what;
    }
    EXPECT_EQ(d.beeps, 2);
    EXPECT_EQ(d.solvedCount, 0);
    // On its own silhouette it is taken, and only then is the figure done.
    const QPoint home(20 * b.Unit(), 5 * b.Unit());
    d.move(pointerFor(b.pieces()[1].screenCenter, home, b.Unit()));
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(d.solvedCount, 1);
}

// A piece whose centre is on the divider used to count when set down but
// not when picked up, so setting it down twice reported the figure solved.
TEST(TangramBoard, OnlyAPieceCentredOnThePlayAreaCountsAsPlaced)
{
    const char* const pieces = "Corner\n1\nA\n9 9 0 0\n3\n0 0\n-4 0\n0 4\n";
    const char* const figures = "Edge\ne.txt\n2\nOne\n1 0 20 5 0 0\nTwo\n1 0 20 5 0 0\n";
    tTangram b(BoardWidth, BoardHeight);
    FigureSet set = parseFigureSet(figures, QStringLiteral("e.tan"), pieces, b.geometry());
    // Files cannot put it there any more; a set made by hand still can.
    const int onDivider = b.divider() / b.Unit();
    set.figures[0].entries[0].x = onDivider;
    b.adopt(std::move(set), QStringLiteral("e.tan"));
    b.SelectFigure(1);
    LogicDriver d(b);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (b.Selected() < 0)
            d.press(grabPoint(b, 0), Button::Left);
        const QPoint to(onDivider * b.Unit(), 5 * b.Unit());
        d.move(pointerFor(b.pieces()[0].screenCenter, to, b.Unit()));
        ASSERT_EQ(b.pieces()[0].screenCenter, to);
        d.press(d.pointer(), Button::Left);
    }
    EXPECT_EQ(b.PlacedCount(), 0);
    EXPECT_EQ(d.solvedCount, 0);
    EXPECT_EQ(d.beeps, 2);
}

TEST(TangramBoard, ACarriedPieceFollowsThePointerInWholeUnitJumps)
{
    tTangram b = pairBoard();
    LogicDriver d(b);
    d.press(grabPoint(b, 0), Button::Left);
    EXPECT_EQ(d.last.pointerTo, b.pieces()[0].screenCenter) << "the pointer jumps to the centre";
    const QPoint c = b.pieces()[0].screenCenter;
    struct Row {
        QPoint offset;
        QPoint unitsMoved;
    };
    const Row rows[] = {
            {{12, 12}, {0, 0}},     // within one unit: nothing
            {{-12, 5}, {0, 0}},     //
            {{13, 0}, {1, 0}},      // just past one unit
            {{-41, 25}, {-3, 2}},   // divided toward zero
            {{0, -30}, {0, -2}},    //
    };
    QPoint centre = c;
    for (const Row& r : rows) {
        d.move(centre + r.offset);
        const QPoint now = b.pieces()[0].screenCenter;
        EXPECT_EQ(now - centre, r.unitsMoved * 12) << r.offset.x() << "," << r.offset.y();
        EXPECT_EQ(d.last.repaint, r.unitsMoved != QPoint(0, 0));
        centre = now;
    }
}

TEST(TangramBoard, PressesPickUpTurnAndBeep)
{
    tTangram b = pairBoard();
    LogicDriver d(b);
    d.press(QPoint(5, 5), Button::Left); // empty play area
    EXPECT_EQ(b.Selected(), -1);
    EXPECT_FALSE(d.last.repaint);

    d.press(grabPoint(b, 1), Button::Right); // a right press picks up and turns
    EXPECT_EQ(b.Selected(), 1);
    EXPECT_EQ(b.pieces()[1].turn, 1);
    EXPECT_TRUE(b.pieces()[1].selected);
    d.press(d.pointer(), Button::Right);
    EXPECT_EQ(b.pieces()[1].turn, 2);

    // Refused with the centre exactly on the divider: still a beep.
    d.move(pointerFor(b.pieces()[1].screenCenter, QPoint(b.divider(), 20 * 12), 12));
    ASSERT_EQ(b.pieces()[1].screenCenter.x(), b.divider());
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(d.beeps, 1);
    EXPECT_EQ(b.Selected(), 1);

    // Pieces the figure does not use can still be picked up, but never set
    // down on a silhouette: they would count without covering anything.
    b.Restart();
    EXPECT_FALSE(b.pieces()[2].visible);
    carry(d, 2, 6, 6);
    EXPECT_TRUE(b.FitsTargets(b.pieces()[2], 2)) << "it lies inside A's silhouette";
    d.press(d.pointer(), Button::Left);
    EXPECT_EQ(d.beeps, 2);
    EXPECT_EQ(b.Selected(), 2);
    EXPECT_EQ(b.PlacedCount(), 0);
    EXPECT_EQ(b.paintList().back().outlineWidth, 2) << "drawn while carried";
}

TEST(TangramBoard, TheFKeyFlipsWhicheverPieceIsCarried)
{
    tTangram b(BoardWidth, BoardHeight);
    b.LoadFigures(dataPath("classic.tan"));
    b.SelectFigure(1);
    LogicDriver d(b);
    const std::vector<QPoint> home = screenOf(b.pieces()[6]);
    d.key(KeyF); // nothing carried
    EXPECT_FALSE(d.last.repaint);

    d.press(grabPoint(b, 0), Button::Left); // the first piece of the file
    const tpiece before = b.pieces()[0];
    d.key(KeyF);
    for (int i = 0; i < before.vertexCount; ++i)
        EXPECT_EQ(b.pieces()[0].model[std::size_t(i)].x(), 2 * before.center.x() - before.model[std::size_t(i)].x());
    d.key(KeyNumpad6);
    EXPECT_EQ(screenOf(b.pieces()[0]), screenOf(before));
    d.key(71); // "G"
    EXPECT_FALSE(d.last.repaint);
    EXPECT_EQ(screenOf(b.pieces()[6]), home);

    struct Row {
        int qtKey;
        bool keypad;
        int code;
    };
    const Row rows[] = {{Qt::Key_F, false, 70}, {Qt::Key_6, true, 102}, {Qt::Key_6, false, 54},
                        {Qt::Key_G, false, 71}, {Qt::Key_Escape, false, 0}, {Qt::Key_F, true, 70}};
    for (const Row& r : rows) {
        EXPECT_EQ(keyCodeOf(r.qtKey, r.keypad), r.code) << r.qtKey;
        EXPECT_EQ(isFlipKey(keyCodeOf(r.qtKey, r.keypad)), r.code == 70 || r.code == 102);
    }
}

TEST(TangramBoard, PaintsSilhouettesThenPiecesFromTheLastDownThenTheCarriedOne)
{
    tTangram b(BoardWidth, BoardHeight);
    b.LoadFigures(dataPath("classic.tan"));
    b.SelectFigure(2); // six silhouettes, the parallelogram hidden
    LogicDriver d(b);
    d.press(grabPoint(b, 3), Button::Left);
    const std::vector<DrawItem> items = b.paintList();
    ASSERT_EQ(items.size(), 6u + 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(items[i].points, screenOf(b.targets()[i]));
        EXPECT_EQ(items[i].fill, White);
        EXPECT_EQ(items[i].outline, White);
    }
    const int order[] = {5, 4, 2, 1, 0}; // 6 hidden, 3 carried
    for (std::size_t k = 0; k < 5; ++k) {
        const tpiece& p = b.pieces()[std::size_t(order[k])];
        EXPECT_EQ(items[6 + k].points, screenOf(p)) << order[k];
        EXPECT_EQ(items[6 + k].fill, p.colour);
        EXPECT_EQ(items[6 + k].outline, 0u);
        EXPECT_EQ(items[6 + k].outlineWidth, 1);
    }
    EXPECT_EQ(items.back().points, screenOf(b.pieces()[3]));
    EXPECT_EQ(items.back().outlineWidth, 2);
}
