// The graph control's arithmetic: view rules, plot area, normalisation, grid
// steps and labels, sampling with gaps and joins, hint hit test, zooms, mouse
// gestures and animation frames.
#include "grapher/ExprParser.h"
#include "grapher/GraphGeometry.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace tv;

namespace {

TGraphView view(long double x1, long double x2, long double y1, long double y2)
{
    TGraphView v;
    v.xmin = x1, v.xmax = x2, v.ymin = y1, v.ymax = y2;
    return v;
}

// The window's control: 433 x 357, both borders, both label strips.
TGraphLayout windowLayout() { return graphLayout(433, 357, true, true, true, true, 13, 52); }

} // namespace

TEST(GraphView, BoundsAreOrderedAndEmptyRangesIgnored)
{
    TGraphView v;
    EXPECT_EQ(v, view(-10, 10, -10, 10));
    EXPECT_TRUE(setGraphView(v, 3, -1, 5, 2));
    EXPECT_EQ(v, view(-1, 3, 2, 5));
    EXPECT_FALSE(setGraphView(v, 4, 4, 0, 1));
    EXPECT_FALSE(setGraphView(v, 0, 1, -2, -2));
    EXPECT_EQ(v, view(-1, 3, 2, 5));
}

TEST(GraphLayout, BordersAndLabelStripsShrinkThePlotArea)
{
    struct Case {
        bool outer, horiz, vert, inner;
        TPixelRect plot;
    } cases[] = {
        {false, false, false, false, {0, 0, 433, 357}},
        {true, false, false, false, {1, 1, 432, 356}},
        {true, true, false, false, {1, 1, 432, 356 - 17}},
        {true, false, true, false, {1 + 56, 1, 432, 356}},
        {true, true, true, true, {1 + 56 + 1, 2, 431, 356 - 17 - 1}},
    };
    for (const Case& c : cases) {
        const TGraphLayout l = graphLayout(433, 357, c.outer, c.horiz, c.vert, c.inner, 13, 52);
        EXPECT_EQ(l.plot, c.plot) << c.outer << c.horiz << c.vert << c.inner;
    }
    const TGraphLayout l = windowLayout();
    EXPECT_EQ(l.leftStrip.right, l.plot.left - 1);
    EXPECT_EQ(l.bottomStrip.top, l.plot.bottom + 1);
    EXPECT_EQ(l.bottomStrip.bottom, 356);
}

TEST(Normalise, ExtentsStayWithinTheLimitsAndScaleTheOther)
{
    const TPixelRect plot{0, 0, 100, 100};
    struct Case {
        TGraphView in, out;
    } cases[] = {
        // x too narrow: set to 0.01 about its centre, y scaled by 10.
        {view(1, 1.001L, 0, 1), view(1.0005L - 0.005L, 1.0005L + 0.005L, 0.5L - 5, 0.5L + 5)},
        // x too wide: 10000, y halved.
        {view(-10000, 10000, -4, 4), view(-5000, 5000, -2, 2)},
        // y too narrow after x was fine: y set to 0.01, x scaled by 100.
        {view(-1, 1, 0, 0.0001L), view(-100, 100, 0.00005L - 0.005L, 0.00005L + 0.005L)},
        // y too wide: 10000, x scaled by 1/3.
        {view(0, 6, -15000, 15000), view(2, 4, -5000, 5000)},
        // inside the limits: unchanged.
        {view(-6.2L, 6.2L, -6.5L, 6.5L), view(-6.2L, 6.2L, -6.5L, 6.5L)},
    };
    for (const Case& c : cases) {
        TGraphView v = c.in;
        normaliseView(v, plot, false, 1);
        EXPECT_NEAR(double(v.xmin), double(c.out.xmin), 1e-9);
        EXPECT_NEAR(double(v.xmax), double(c.out.xmax), 1e-9);
        EXPECT_NEAR(double(v.ymin), double(c.out.ymin), 1e-9);
        EXPECT_NEAR(double(v.ymax), double(c.out.ymax), 1e-9);
    }
}

TEST(Normalise, MaintainRatioWidensOneRange)
{
    // A plot twice as wide as high, aspect 1: x extent must be twice y extent.
    const TPixelRect plot{0, 0, 200, 100};
    TGraphView v = view(-1, 1, -5, 5); // too tall: x widens to 20
    normaliseView(v, plot, true, 1);
    EXPECT_NEAR(double(v.xmin), -10, 1e-12);
    EXPECT_NEAR(double(v.xmax), 10, 1e-12);
    EXPECT_EQ(v.ymin, -5);
    v = view(0, 40, 0, 2); // too wide: y widens to 20 about 1
    normaliseView(v, plot, true, 1);
    EXPECT_EQ(v.xmax, 40);
    EXPECT_NEAR(double(v.ymin), -9, 1e-12);
    EXPECT_NEAR(double(v.ymax), 11, 1e-12);
    // Aspect 2: a y unit twice as long as an x unit on screen.
    v = view(-1, 1, -1, 1);
    normaliseView(v, plot, true, 2);
    EXPECT_NEAR(double(pixelsPerYUnit(v, plot) / pixelsPerXUnit(v, plot)), 2, 1e-12);
}

TEST(GridStep, FollowsTheHalvingAndFifthingSequence)
{
    // f = round(ppu * 10000 / L); k runs 2, 10, 20, 100, ... while below f.
    struct Case {
        long double ppu;
        int limit;
        long double step;
    } cases[] = {
        {20, 13, 1},        // f = 15385: k stops at 20000
        {34.5L, 13, 0.5L},  // f = 26538: 20000 < f, so one more halving
        {1, 13, 50},        // f = 769: 200 < f <= 1000
        {0.001L, 52, 10000},
        {400, 52, 0.5L},    // f = 76923: 20000 < f <= 100000
    };
    for (const Case& c : cases)
        EXPECT_NEAR(double(gridStep(c.ppu, c.limit)), double(c.step), 1e-12) << double(c.ppu);
}

TEST(GridStep, ChosenStepIsTheSmallestSpacedWiderThanTheLimit)
{
    for (long double ppu = 0.05L; ppu < 50000; ppu *= 1.37L) {
        for (int limit : {13, 52}) {
            const long double step = gridStep(ppu, limit);
            if (step == 10000)
                continue;
            EXPECT_GT(step * ppu, limit * 0.999L) << double(ppu);
            // The next step down (halve after a fifth, fifth after a halve)
            // would be too close.
            const long double mantissa = step / std::pow(10.0L, std::floor(std::log10(step) + 1e-9L));
            const long double smaller = std::fabs(mantissa - 5) < 1e-6L ? step / 5 : step / 2;
            // (within the rounding of the spacing count f)
            EXPECT_LE(smaller * ppu, limit * 1.25L) << double(ppu);
        }
    }
}

TEST(GridMarks, StartOutsideTheLowEdgeAndKeepNonNegativeOffsets)
{
    // ymin/step < 0: first = step * (trunc - 1), off the plot, so dropped.
    auto marks = gridMarks(-6.5L, 6.5L, 1, 10);
    ASSERT_EQ(marks.size(), 13u);
    EXPECT_EQ(marks.front().value, -6);
    EXPECT_EQ(marks.front().offset, 5);
    EXPECT_EQ(marks.back().value, 6);
    EXPECT_EQ(marks.back().offset, 125);
    // ymin/step > 0: first = step * (trunc + 1).
    marks = gridMarks(2.25L, 4, 0.5L, 100);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[0].value, 2.5L);
    EXPECT_EQ(marks[0].offset, 25);
    EXPECT_EQ(marks[3].value, 4);
    // A low edge on a grid value: ymin/step = 0 takes trunc - 1.
    marks = gridMarks(0, 2, 1, 10);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].value, 0);
}

TEST(Labels, FixedDecimalsInTheGivenDecimalPoint)
{
    struct Case {
        long double value;
        QChar point;
        const char* label3;
        const char* label4;
    } cases[] = {
        {-6, '.', "-6.000", "-6.0000"},
        {2.5L, ',', "2,500", "2,5000"},
        {1234.56789L, '.', "1234.568", "1234.5679"},
        {-1e-17L, '.', "0.000", "0.0000"},
        {-0.0004L, '.', "0.000", "-0.0004"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gridLabel(c.value, c.point), QString::fromLatin1(c.label3));
        EXPECT_EQ(hintNumber(c.value, c.point), QString::fromLatin1(c.label4));
    }
}

TEST(CompileText, KeepsOnlyExpressionCharacters)
{
    EXPECT_EQ(compileText("sin (0.5*x^2/2)*2"), "sin(0.5*x^2/2)*2");
    EXPECT_EQ(compileText(" max(x, y) ; \t"), "max(x,y)");
    EXPECT_EQ(compileText(QString::fromUtf8("x²+π·2")), "x+2");
    EXPECT_EQ(compileText("AZaz09()*+,-./^"), "AZaz09()*+,-./^");
}

namespace {

class Sampling : public ::testing::Test {
protected:
    std::vector<TSamplePoint> sample(const QString& typed, const TGraphView& v)
    {
        parser.setExpression(compileText(typed));
        return sampleCurve(parser, v, plot);
    }
    TExprParser parser;
    TPixelRect plot{10, 5, 110, 105}; // 100 x 100
};

} // namespace

TEST_F(Sampling, OnePointPerColumnWithRowsFromTheBottom)
{
    const auto points = sample("sin (0.5*x^2/2)*2", view(-5, 5, -5, 5));
    ASSERT_EQ(points.size(), 101u);
    for (std::size_t i = 0; i < points.size(); ++i) {
        ASSERT_TRUE(points[i].valid) << i;
        const long double x = -5 + i * 0.1L;
        const long double y = std::sin(0.5L * x * x / 2) * 2;
        EXPECT_NEAR(double(points[i].row), double(105 - (y + 5) * 10), 0.51) << i;
    }
}

TEST_F(Sampling, AccumulatesXRatherThanRecomputingIt)
{
    // With a step of 0.1 the accumulated X drifts from column * 0.1; the
    // sampled value of X itself shows which one was used.
    parser.setExpression("x");
    const TGraphView v = view(0, 1, -1000, 1000);
    long double accumulated = 0;
    for (int i = 0; i < 100; ++i)
        accumulated += 0.01L;
    ASSERT_NE(accumulated, 1.0L); // otherwise this would not tell the two apart
    parser.X = 0;
    auto points = sampleCurve(parser, v, plot);
    EXPECT_EQ(parser.X, accumulated);
    EXPECT_TRUE(points.back().valid);
}

TEST_F(Sampling, GapsWhereEvaluationFails)
{
    struct Case {
        const char* text;
        TGraphView v;
        int firstValid; // columns before it have no value
    } cases[] = {
        // Steps of 0.125 are exact, so X meets 0 exactly.
        {"sqrt(x)", view(-6.25L, 6.25L, -5, 5), 50},
        {"ln(x)", view(0, 12.5L, -5, 5), 1}, // ln 0 at the first column
        {"log10(x)", view(-6.25L, 6.25L, -5, 5), 51},
        {"1/x", view(0, 12.5L, -5, 5), 1},
    };
    for (const Case& c : cases) {
        const auto points = sample(c.text, c.v);
        for (int i = 0; i < int(points.size()); ++i)
            EXPECT_EQ(points[i].valid, i >= c.firstValid) << c.text << " column " << i;
        const TCurvePath path = curvePath(points, plot.left, 200, plot);
        for (const TLineSegment& s : path.segments)
            EXPECT_GE(s.x1, plot.left + c.firstValid) << c.text;
    }
}

TEST_F(Sampling, FloatingPointFaultsAreGapsToo)
{
    // exp of a large number raises rather than giving infinity.
    const auto points = sample("exp(x)", view(0, 100000, -5, 5));
    EXPECT_TRUE(points.front().valid);
    EXPECT_FALSE(points.back().valid);
}

TEST_F(Sampling, HugeValuesAreOffThePlotWithoutOverflow)
{
    for (const char* text : {"1e30", "-1e30", "x*1e300*1e300"}) {
        const auto points = sample(text, view(1, 5, -5, 5));
        for (const TSamplePoint& p : points) {
            ASSERT_TRUE(p.valid) << text;
            EXPECT_TRUE(p.row < -1000000 || p.row > 1000000) << text;
        }
        const TCurvePath path = curvePath(points, plot.left, 200, plot);
        EXPECT_TRUE(path.segments.empty()) << text;
        EXPECT_FALSE(path.hasLastPixel) << text;
    }
    std::int64_t row = 0;
    EXPECT_TRUE(pixelRow(1e4000L, 0, 1, 100, row));
    EXPECT_EQ(row, 100 - FarRow);
    EXPECT_FALSE(pixelRow(std::nanl(""), 0, 1, 100, row));
}

TEST_F(Sampling, TanIsJoinedAcrossItsAsymptotesByClippedSegments)
{
    // tan between -pi and pi has asymptotes at +-pi/2; the two points on
    // either side straddle the plot, so a near-vertical segment crosses it.
    const auto points = sample("tan(x)", view(-3, 3, -5, 5));
    const TCurvePath path = curvePath(points, plot.left, 200, plot);
    int crossings = 0;
    for (const TLineSegment& s : path.segments) {
        EXPECT_GE(std::min(s.y1, s.y2), plot.top - 1);
        EXPECT_LE(std::max(s.y1, s.y2), plot.bottom);
        if (std::abs(s.y2 - s.y1) >= plot.height())
            ++crossings;
    }
    EXPECT_EQ(crossings, 2);
}

TEST(CurvePath, JoinsNeighboursSkipsPairsOffOneSideAndKeepsTheLastPixel)
{
    const TPixelRect clip{0, 0, 50, 50};
    std::vector<TSamplePoint> points = {
        {true, 10}, {true, 12}, {false, 0}, {true, 20}, {true, -5}, {true, -9}, {true, 60}, {true, 70}, {true, 30}};
    const TCurvePath path = curvePath(points, 10, 50, clip);
    // 0-1 joined; 1-2 and 2-3 broken; 3-4 clipped at the top; 4-5 both above
    // the top; 5-6 crosses; 6-7 both below; 7-8 clipped at the bottom.
    ASSERT_EQ(path.segments.size(), 4u);
    EXPECT_EQ(path.segments[0], (TLineSegment{10, 10, 11, 12}));
    EXPECT_EQ(path.segments[1].y2, -1);
    EXPECT_EQ(path.segments[2].y1, -1);
    EXPECT_EQ(path.segments[2].y2, 50);
    EXPECT_EQ(path.segments[3].y1, 50);
    EXPECT_EQ(path.segments[3].x2, 18);
    EXPECT_TRUE(path.hasLastPixel);
    EXPECT_EQ(path.lastX, 18);
    EXPECT_EQ(path.lastY, 30);
}

TEST(Hint, CurvePassesWithinThreePixels)
{
    TExprParser parser;
    parser.setExpression("x");
    const TPixelRect plot{0, 0, 100, 100};
    const TGraphView v = view(0, 10, 0, 10); // y = x is the diagonal
    // Column 50 has row 50; rows of columns 48..52 span 48..52.
    struct Case {
        int y;
        bool passes;
    } cases[] = {{50, true}, {47, true}, {45, true}, {44, false}, {55, true}, {56, false}, {90, false}};
    for (const Case& c : cases)
        EXPECT_EQ(curvePassesPointer(parser, v, plot, 50, c.y), c.passes) << c.y;
    parser.setExpression("sqrt(x-20)");
    EXPECT_FALSE(curvePassesPointer(parser, v, plot, 50, 50));
}

TEST(Zooms, InOutRectangleAndPan)
{
    const TGraphView v = view(-6, 4, -2, 6);
    EXPECT_EQ(zoomedIn(v), view(-3.5L, 1.5L, 0, 4));
    EXPECT_EQ(zoomedOut(v), view(-11, 9, -6, 10));
    const TPixelRect plot{10, 10, 110, 90}; // 10 px per x unit, 10 per y unit
    EXPECT_EQ(rectangleView(v, plot, 60, 20, 30, 50), view(-4, -1, 2, 5));
    // Pointer right 10 px and down 20 px: the plane moves with it.
    EXPECT_EQ(pannedView(v, plot, 10, 20), view(-7, 3, 0, 8));
    EXPECT_EQ(columnToX(v, plot, 10), -6);
    EXPECT_EQ(rowToY(v, plot, 90), -2);
    EXPECT_TRUE(zoomMakesSmaller(v, view(-6, 4, -1, 6)));
    EXPECT_FALSE(zoomMakesSmaller(v, view(-7, 5, -2, 6)));
}

TEST(Zooms, ZoomingInStopsAtTheSmallestExtent)
{
    const TPixelRect plot{0, 0, 100, 100};
    TGraphView v = view(-0.01L, 0.01L, -0.01L, 0.01L);
    normaliseView(v, plot, true, 1);
    TGraphView target = zoomedIn(v);
    normaliseView(target, plot, true, 1);
    EXPECT_NEAR(double(target.xExtent()), 0.01, 1e-15);
    target = zoomedIn(target);
    normaliseView(target, plot, true, 1);
    EXPECT_NEAR(double(target.xExtent()), 0.01, 1e-15);
    EXPECT_FALSE(zoomMakesSmaller(view(0, 0.01L, 0, 0.01L), target));
}

namespace {

struct Step {
    enum Kind { Press, Move, Release } kind;
    TMouseButton button;
    bool shift;
    int x, y;
    TMouseCommand expected;
};

std::vector<TMouseCommand> run(TGraphMouse& mouse, const std::vector<Step>& steps, const TPixelRect& plot,
                               TMouseResult* last = nullptr)
{
    std::vector<TMouseCommand> commands;
    for (const Step& s : steps) {
        TMouseResult r;
        if (s.kind == Step::Press)
            r = mouse.press(s.button, {s.shift, false, false}, s.x, s.y, plot, false);
        else if (s.kind == Step::Move)
            r = mouse.move(s.x, s.y, plot);
        else
            r = mouse.release(s.button, s.x, s.y);
        commands.push_back(r.command);
        if (last)
            *last = r;
    }
    return commands;
}

} // namespace

TEST(Mouse, GesturesFollowTheStateTable)
{
    using C = TMouseCommand;
    using B = TMouseButton;
    const TPixelRect plot{10, 10, 110, 110};
    struct Case {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"left click", {{Step::Press, B::Left, false, 50, 50, C::BandChanged}, {Step::Release, B::Left, false, 50, 50, C::ZoomIn}}},
        {"left click with a shaking hand", {{Step::Press, B::Left, false, 50, 50, C::BandChanged}, {Step::Move, B::Left, false, 52, 48, C::BandChanged}, {Step::Release, B::Left, false, 52, 48, C::ZoomIn}}},
        {"shortest left drag", {{Step::Press, B::Left, false, 50, 50, C::BandChanged}, {Step::Move, B::Left, false, 53, 53, C::BandChanged}, {Step::Release, B::Left, false, 53, 53, C::ZoomToRect}}},
        {"left drag", {{Step::Press, B::Left, false, 50, 50, C::BandChanged}, {Step::Move, B::Left, false, 70, 80, C::BandChanged}, {Step::Release, B::Left, false, 70, 80, C::ZoomToRect}}},
        {"right click", {{Step::Press, B::Right, false, 50, 50, C::None}, {Step::Release, B::Right, false, 50, 50, C::ZoomOut}}},
        {"right, two moves", {{Step::Press, B::Right, false, 50, 50, C::None}, {Step::Move, B::Right, false, 51, 50, C::None}, {Step::Move, B::Right, false, 52, 50, C::None}, {Step::Release, B::Right, false, 52, 50, C::ZoomOut}}},
        {"right drag", {{Step::Press, B::Right, false, 50, 50, C::None}, {Step::Move, B::Right, false, 51, 50, C::None}, {Step::Move, B::Right, false, 52, 50, C::None}, {Step::Move, B::Right, false, 53, 50, C::Pan}, {Step::Move, B::Right, false, 60, 45, C::Pan}, {Step::Release, B::Right, false, 60, 45, C::None}}},
        {"shift left", {{Step::Press, B::Left, true, 50, 50, C::HintAt}, {Step::Move, B::Left, true, 60, 50, C::HintAt}, {Step::Move, B::Left, true, 200, 50, C::HintHidden}, {Step::Move, B::Left, true, 60, 50, C::HintAt}, {Step::Release, B::Left, true, 60, 50, C::HintHidden}}},
        {"press outside", {{Step::Press, B::Left, false, 5, 50, C::None}, {Step::Move, B::Left, false, 50, 50, C::None}, {Step::Release, B::Left, false, 50, 50, C::None}}},
        {"second button while dragging", {{Step::Press, B::Left, false, 50, 50, C::BandChanged}, {Step::Press, B::Right, false, 50, 50, C::None}, {Step::Release, B::Right, false, 50, 50, C::None}, {Step::Release, B::Left, false, 50, 50, C::ZoomIn}}},
    };
    for (const Case& c : cases) {
        TGraphMouse mouse;
        const auto commands = run(mouse, c.steps, plot);
        for (std::size_t i = 0; i < c.steps.size(); ++i)
            EXPECT_EQ(int(commands[i]), int(c.steps[i].expected)) << c.name << " step " << i;
        EXPECT_EQ(mouse.state(), TGraphMouse::State::Idle) << c.name;
    }
}

TEST(Mouse, PanTravelAndRubberBandCorners)
{
    using B = TMouseButton;
    const TPixelRect plot{10, 10, 110, 110};
    TGraphMouse mouse;
    mouse.press(B::Right, {}, 50, 50, plot, false);
    mouse.move(51, 51, plot);
    mouse.move(52, 52, plot);
    TMouseResult r = mouse.move(55, 45, plot); // whole travel since the press
    EXPECT_EQ(r.x1, 5);
    EXPECT_EQ(r.y1, -5);
    r = mouse.move(57, 40, plot); // then since the last move
    EXPECT_EQ(r.x1, 2);
    EXPECT_EQ(r.y1, -5);
    mouse.release(B::Right, 57, 40);

    // The band's moving corner stays inside the plot area.
    mouse.press(B::Left, {}, 50, 50, plot, false);
    r = mouse.move(500, -20, plot);
    EXPECT_EQ(r.x2, 109);
    EXPECT_EQ(r.y2, 10);
    r = mouse.release(B::Left, 500, -20);
    EXPECT_EQ(r.command, TMouseCommand::ZoomToRect);
    EXPECT_EQ(r.x1, 50);
    EXPECT_EQ(r.x2, 109);

    // During an animation presses are ignored.
    EXPECT_EQ(mouse.press(B::Left, {}, 50, 50, plot, true).command, TMouseCommand::None);
    EXPECT_EQ(mouse.state(), TGraphMouse::State::Idle);
}

TEST(Mouse, ActionsCanBeSwitchedOff)
{
    using B = TMouseButton;
    const TPixelRect plot{0, 0, 100, 100};
    TGraphMouse mouse;
    mouse.MouseZoom = maNone;
    mouse.press(B::Right, {}, 50, 50, plot, false);
    EXPECT_EQ(mouse.release(B::Right, 50, 50).command, TMouseCommand::None);
    mouse.MouseFuncHint = maCtrl;
    EXPECT_EQ(mouse.press(B::Left, {true, false, false}, 50, 50, plot, false).command, TMouseCommand::BandChanged);
    mouse.release(B::Left, 50, 50);
    EXPECT_EQ(mouse.press(B::Left, {false, true, false}, 50, 50, plot, false).command, TMouseCommand::HintAt);
}

TEST(ZoomAnimation, BoundsMoveLinearlyFromTheRedrawDurationToTheZoomTime)
{
    const TGraphView from = view(-10, 10, -20, 20);
    const TGraphView to = view(-5, 5, 0, 10);
    TZoomAnimation a;
    a.start(from, to, 200, 50);
    ASSERT_TRUE(a.running());
    TGraphView f = a.nextFrame(0); // at 50 ms: a quarter of the way
    EXPECT_EQ(f, view(-8.75L, 8.75L, -15, 17.5L));
    f = a.nextFrame(50); // 100 ms: half
    EXPECT_EQ(f, view(-7.5L, 7.5L, -10, 15));
    EXPECT_TRUE(a.running());
    f = a.nextFrame(500); // past the end: exactly the target, and the last
    EXPECT_EQ(f, to);
    EXPECT_FALSE(a.running());
    EXPECT_EQ(a.clock(), 200);

    // A redraw slower than the zoom time: one frame, the target.
    a.start(from, to, 200, 300);
    EXPECT_EQ(a.nextFrame(0), to);
    EXPECT_FALSE(a.running());
    // No zoom time: no animation.
    a.start(from, to, 0, 0);
    EXPECT_FALSE(a.running());
}
