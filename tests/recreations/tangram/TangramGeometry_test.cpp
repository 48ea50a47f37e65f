// Turning, flipping and moving pieces on the unit grid, the board split, and
// the exact segment and point tests the fit test is built on.
#include "recreations/tangram/U_TPiece2.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

using namespace tv::tangram;

namespace {

tpiece pieceOf(std::initializer_list<QPoint> corners, int unit = 1, QPoint origin = {})
{
    tpiece p;
    for (QPoint c : corners)
        p.model[std::size_t(p.vertexCount++)] = c;
    p.unit = unit;
    p.origin = origin;
    p.recompute();
    return p;
}

std::vector<QPoint> modelOf(const tpiece& p) { return {p.model.begin(), p.model.begin() + p.vertexCount}; }

} // namespace

TEST(TangramGeometry, BoardSplitsIntoPlayAreaAndTrayOfWholeUnits)
{
    struct Row {
        int width, unit, divider;
    };
    const Row rows[] = {
            {666, 12, 444},   // 800-pixel screen less the panel
            {1786, 33, 1188}, // 1920-pixel screen: t = 1190 is not a whole number of units
            {1000, 18, 666},
            {54, 1, 36},
            {20, 1, 13}, // too narrow for a unit of 18 columns: still 1, never 0
            {0, 1, 0},
    };
    for (const Row& r : rows) {
        const BoardGeometry g = boardGeometryFor(r.width, 400);
        EXPECT_EQ(g.Unit, r.unit) << r.width;
        EXPECT_EQ(g.divider, r.divider) << r.width;
        EXPECT_EQ(g.divider % g.Unit, 0);
        EXPECT_GE((g.width - g.divider) / g.Unit, r.width >= 54 ? 18 : 0);
    }
}

TEST(TangramGeometry, OneStepTurnsClockwiseOnScreenWithRounding)
{
    tpiece p = pieceOf({{10, 0}, {0, 10}, {-10, 0}});
    const std::vector<std::vector<QPoint>> expected = {
            {{7, 7}, {-7, 7}, {-7, -7}},
            {{0, 10}, {-10, 0}, {0, -10}},
            {{-7, 7}, {-7, -7}, {7, -7}},
    };
    for (std::size_t s = 0; s < expected.size(); ++s) {
        p.turnStep();
        EXPECT_EQ(modelOf(p), expected[s]) << "after step " << s + 1;
        EXPECT_EQ(p.turn, int(s + 1));
    }
    for (int s = 3; s < 8; ++s)
        p.turnStep();
    EXPECT_EQ(modelOf(p), (std::vector<QPoint>{{10, 0}, {0, 10}, {-10, 0}}));
    EXPECT_EQ(p.turn, 0);
}

// Mended: a turn value of 0 used to apply eight rounded steps, which do not
// bring a small piece back.
TEST(TangramGeometry, FileTurnValueAppliesEightMinusRemainderStepsModuloEight)
{
    struct Row {
        int value, steps;
    };
    const Row rows[] = {{0, 0}, {1, 7}, {2, 6}, {4, 4}, {6, 2}, {7, 1}, {8, 0}, {9, 7}, {-1, 1},
                        {-3, 3}, {-8, 0}, {-9, 1}, {INT_MAX, 1}, {INT_MIN, 0}};
    for (const Row& r : rows)
        EXPECT_EQ(stepsForFileTurn(r.value), r.steps) << r.value;

    tpiece eight = pieceOf({{2, 0}, {0, 2}, {0, 0}});
    for (int s = 0; s < 8; ++s)
        eight.turnStep();
    EXPECT_EQ(eight.model[0], QPoint(1, 0)) << "eight rounded steps shrink a small piece";

    tpiece kept = pieceOf({{2, 0}, {0, 2}, {0, 0}}, 10, {500, 40});
    kept.turnFromFile(0);
    kept.turnFromFile(8);
    kept.turnFromFile(-16);
    EXPECT_EQ(modelOf(kept), (std::vector<QPoint>{{2, 0}, {0, 2}, {0, 0}}));
    EXPECT_EQ(kept.turn, 0);
    kept.moveCenterTo(3, 1); // screen = model * unit + origin, centre included
    EXPECT_EQ(kept.screen[0], QPoint(5 * 10 + 500, 1 * 10 + 40));
    EXPECT_EQ(kept.screenCenter, QPoint(530, 50));

    tpiece quarter = pieceOf({{10, 0}, {0, 0}, {0, 10}});
    quarter.turnFromFile(6); // two steps, a quarter turn clockwise on screen
    EXPECT_EQ(modelOf(quarter), (std::vector<QPoint>{{0, 10}, {0, 0}, {-10, 0}}));
    EXPECT_EQ(quarter.turn, 2);
}

TEST(TangramGeometry, SegmentsMeetCrossTouchAndParallel)
{
    struct Row {
        const char* what;
        QPoint a1, a2, b1, b2;
        bool meet, touching, parallel;
    };
    const Row rows[] = {
            {"crossing", {0, 0}, {10, 10}, {0, 10}, {10, 0}, true, false, false},
            {"apart", {0, 0}, {10, 0}, {0, 5}, {10, 5}, false, false, false},
            {"short of the other", {0, 0}, {4, 4}, {0, 10}, {10, 0}, false, false, false},
            {"end on the other", {5, 0}, {5, 5}, {0, 5}, {10, 5}, true, true, false},
            {"shared end", {0, 0}, {5, 5}, {5, 5}, {10, 0}, true, true, false},
            {"same edge", {0, 0}, {10, 0}, {10, 0}, {0, 0}, true, true, true},
            {"overlapping on one line", {0, 0}, {10, 0}, {5, 0}, {15, 0}, true, true, true},
            {"apart on one line", {0, 0}, {4, 0}, {6, 0}, {9, 0}, true, true, true},
            {"vertical overlap", {3, 0}, {3, 10}, {3, 4}, {3, 20}, true, true, true},
            {"slopes 1 and 1.04 round alike", {0, 0}, {100, 100}, {100, 100}, {200, 204}, true, true, true},
            // Crosses of a billion by a billion: the products would overflow
            // 64 bits, the signs do not.
            {"far apart, crossing", {-1000000000, -1000000000}, {1000000000, 1000000000},
             {-1000000000, 1000000000}, {1000000000, -1000000000}, true, false, false},
            {"far apart, clear", {-1000000000, -1000000000}, {1000000000, -999999999},
             {-1000000000, 1000000000}, {1000000000, 999999999}, false, false, false},
    };
    for (const Row& r : rows) {
        const SegmentContact c = SegmentsMeet(r.a1, r.a2, r.b1, r.b2);
        EXPECT_EQ(c.meet, r.meet) << r.what;
        EXPECT_EQ(c.touching, r.touching) << r.what;
        EXPECT_EQ(c.parallel, r.parallel) << r.what;
        const SegmentContact swapped = SegmentsMeet(r.b1, r.b2, r.a1, r.a2);
        EXPECT_EQ(swapped.meet, r.meet) << r.what;
    }
    EXPECT_EQ(slopeValue({0, 0}, {0, 7}), 10'000'000'000LL);
    EXPECT_EQ(slopeValue({0, 0}, {3, -1}), -3);
}

TEST(TangramGeometry, EdgesOverlapOnlyWhenTheyShareMoreThanAPoint)
{
    struct Row {
        const char* what;
        QPoint a1, a2, b1, b2;
        bool overlap;
    };
    const Row rows[] = {
            {"horizontal, overlapping", {0, 0}, {10, 0}, {15, 0}, {5, 0}, true},
            {"horizontal, end to end", {0, 0}, {10, 0}, {10, 0}, {20, 0}, false},
            {"horizontal, the other first", {10, 0}, {20, 0}, {0, 0}, {12, 0}, true},
            {"vertical, inside", {0, 0}, {0, 20}, {0, 5}, {0, 6}, true},
            {"vertical, end to end", {0, 20}, {0, 0}, {0, 20}, {0, 30}, false},
            {"diagonal, by y", {0, 0}, {10, 10}, {5, 5}, {20, 20}, true},
            {"diagonal, end to end", {0, 0}, {10, 10}, {10, 10}, {20, 20}, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(EdgesOverlap(r.a1, r.a2, r.b1, r.b2), r.overlap) << r.what;
}

TEST(TangramGeometry, OverlapAreaIsZeroOnlyForPiecesThatMerelyTouch)
{
    using Poly = std::vector<QPoint>;
    const Poly big{{0, 0}, {80, 0}, {0, 80}};
    const Poly square{{0, 0}, {40, 0}, {40, 40}, {0, 40}};
    // A dart: its inside diagonal runs from (0, 0) to (20, 10), not 1-3.
    const Poly dart{{0, 0}, {40, 0}, {20, 10}, {0, 40}};
    struct Row {
        const char* what;
        Poly a, b;
        double area;
    };
    const Row rows[] = {
            {"a small triangle inside a large one", {{10, 10}, {30, 10}, {10, 30}}, big, 200},
            {"one edge along the other's edge, the rest inside", {{20, 0}, {40, 0}, {20, 20}}, big, 200},
            {"identical, stacked", big, big, 3200},
            {"sharing an edge, side by side", {{80, 0}, {0, 80}, {80, 80}}, big, 0},
            {"meeting at a corner", {{80, 0}, {120, 0}, {80, 40}}, big, 0},
            {"apart", {{200, 200}, {240, 200}, {200, 240}}, big, 0},
            {"a square half over", square, {{20, 0}, {60, 0}, {60, 40}, {20, 40}}, 800},
            {"a square corner to corner", square, {{40, 40}, {80, 40}, {80, 80}, {40, 80}}, 0},
            {"a square in the dart's notch", {{30, 20}, {40, 20}, {40, 30}, {30, 30}}, dart, 0},
            {"a square over the dart's body", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, dart, 100},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(overlapArea(r.a, r.b), r.area, 1e-6) << r.what;
        EXPECT_NEAR(overlapArea(r.b, r.a), r.area, 1e-6) << r.what << ", the other way round";
    }
}

// Mended: casting a ray through a vertex used to misreport the point.
TEST(TangramGeometry, PointInPieceIsRightWhereTheRayPassesThroughVertices)
{
    const std::vector<QPoint> diamond = {{0, -10}, {10, 0}, {0, 10}, {-10, 0}};
    struct Row {
        QPoint p;
        bool inside, onVertex;
    };
    const Row rows[] = {
            {{5, 0}, true, false},     // the ray leaves through the vertex (10, 0)
            {{-5, 0}, true, false},    // ... and through (10, 0) from further left
            {{-15, 0}, false, false},  // through both side vertices
            {{11, 0}, false, false},   //
            {{10, 0}, true, true},     // on a vertex
            {{5, 5}, true, false},     // on an edge
            {{0, 10}, true, true},     //
            {{0, 11}, false, false},   // above the lower vertex
            {{0, -10}, true, true},    //
            {{6, 5}, false, false},    // just outside an edge
            {{0, 0}, true, false},
    };
    for (const Row& r : rows) {
        const PointPlace place = PointInPiece(diamond, r.p);
        EXPECT_EQ(place.inside, r.inside) << r.p.x() << "," << r.p.y();
        EXPECT_EQ(place.onVertex, r.onVertex) << r.p.x() << "," << r.p.y();
    }
    // A piece far to the right of the board is still found.
    const std::vector<QPoint> far = {{2100, 0}, {2300, 0}, {2300, 100}, {2100, 100}};
    EXPECT_TRUE(PointInPiece(far, {2200, 50}).inside);
    // A notch whose inner corner lies on the ray's line.
    const std::vector<QPoint> dart = {{0, 0}, {6, 3}, {0, 6}, {2, 3}};
    EXPECT_FALSE(PointInPiece(dart, {1, 3}).inside);
    EXPECT_TRUE(PointInPiece(dart, {3, 3}).inside);
    EXPECT_TRUE(PointInPiece(dart, {2, 3}).onVertex);
    EXPECT_FALSE(PointInPiece(std::vector<QPoint>{}, {0, 0}).inside);
}

namespace {

std::int64_t orient(QPoint a, QPoint b, QPoint c)
{
    return (std::int64_t(b.x()) - a.x()) * (std::int64_t(c.y()) - a.y())
         - (std::int64_t(b.y()) - a.y()) * (std::int64_t(c.x()) - a.x());
}

// An independent exact answer: on the boundary when collinear with an edge
// and between its ends (by the dot product), else the parity of proper
// crossings of a ray tilted so steeply off the horizontal that it cannot
// pass through a vertex of these small polygons.
bool referenceInside(const std::vector<QPoint>& poly, QPoint p)
{
    const std::size_t n = poly.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPoint a = poly[i], b = poly[(i + 1) % n];
        const std::int64_t dot = std::int64_t(p.x() - a.x()) * (p.x() - b.x())
                               + std::int64_t(p.y() - a.y()) * (p.y() - b.y());
        if (orient(a, b, p) == 0 && dot <= 0)
            return true;
    }
    const QPoint end = p + QPoint(1'000'003 * 1000, 1000);
    int crossings = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const QPoint a = poly[i], b = poly[(i + 1) % n];
        const bool straddleRay = (orient(p, end, a) > 0) != (orient(p, end, b) > 0);
        const bool straddleEdge = (orient(a, b, p) > 0) != (orient(a, b, end) > 0);
        if (straddleRay && straddleEdge)
            ++crossings;
    }
    return crossings % 2 == 1;
}

} // namespace

TEST(TangramGeometry, PointInPieceAgreesWithAnExactReferenceOnRandomPolygons)
{
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> coord(-6, 6);
    std::uniform_int_distribution<int> count(3, 9);
    int compared = 0, insideCount = 0, onVertexCount = 0;
    for (int round = 0; round < 1500; ++round) {
        // Small coordinates so rays through vertices and points on edges are common.
        std::vector<QPoint> poly(std::size_t(round % 2 ? count(random) : 3 + round % 4 / 2));
        for (QPoint& v : poly)
            v = QPoint(coord(random), coord(random));
        for (int y = -7; y <= 7; ++y)
            for (int x = -7; x <= 7; ++x) {
                const PointPlace place = PointInPiece(poly, {x, y});
                const bool expected = referenceInside(poly, {x, y});
                ASSERT_EQ(place.inside, expected) << "round " << round << " point " << x << "," << y;
                const bool isVertex = std::find(poly.begin(), poly.end(), QPoint(x, y)) != poly.end();
                ASSERT_EQ(place.onVertex, isVertex);
                ++compared;
                insideCount += expected;
                onVertexCount += isVertex;
            }
    }
    EXPECT_GT(insideCount, compared / 20);
    EXPECT_GT(onVertexCount, 500);
}
