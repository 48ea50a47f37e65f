// The graph control: the renderer painting into an image (curves, gaps,
// huge values, hidden curves, axes and labels), the off-screen picture's
// redraw rule, the mouse gestures and the zoom animation.
#include "grapher/EGHintForm.h"
#include "grapher/EasyGraph.h"
#include "tests/support/WidgetHelpers.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

using namespace tv;

namespace {

// The window's look.
TGraphSettings windowSettings()
{
    TGraphSettings s;
    s.MaintainRatio = true;
    s.BorderStyle = bstLowered;
    s.GraphBorder = bstRaised;
    s.ColorBg = QColor(0xFE, 0xE8, 0xC7);
    s.ColorAxis = QColor(0xD7, 0x00, 0x00);
    s.ZoomTime = 0;
    return s;
}

constexpr int W = 433, H = 357;

struct Rendered {
    QImage image{W, H, QImage::Format_RGB32};
    TGraphView view;
    TGraphLayout layout;
};

Rendered render(const TSeries& curves, const TGraphSettings& s, TGraphView view)
{
    Rendered r;
    r.view = view;
    TExprParser parser;
    QPainter p(&r.image);
    renderGraph(p, W, H, s, r.view, curves, parser);
    r.layout = graphLayoutFor(s, W, H, &r.image);
    return r;
}

int countColour(const QImage& image, const QColor& colour, const TPixelRect& area)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (image.pixelColor(x, y) == colour)
                ++n;
    return n;
}

TGraphView view(long double x1, long double x2, long double y1, long double y2)
{
    TGraphView v;
    setGraphView(v, x1, x2, y1, y2);
    return v;
}

const QColor Green(0x00, 0xA0, 0x00);
const QColor Purple(0x80, 0x00, 0x80);

} // namespace

TEST(Renderer, TheTypedSineCurvePassesThroughItsRows)
{
    TSeries curves;
    TPoints* c = curves.Add();
    c->setText("sin (0.5*x^2/2)*2");
    c->setColor(Green);
    const Rendered r = render(curves, windowSettings(), view(-6.2L, 6.2L, -6.5L, 6.5L));
    const TPixelRect& plot = r.layout.plot;
    const long double ppy = pixelsPerYUnit(r.view, plot);
    int hits = 0, columns = 0;
    for (int col = plot.left + 5; col < plot.right - 5; col += 7) {
        const long double x = columnToX(r.view, plot, col);
        const long double y = std::sin(0.5L * x * x / 2) * 2;
        const int row = plot.bottom - int(std::lround(double((y - r.view.ymin) * ppy)));
        ++columns;
        bool found = false;
        for (int dy = -1; dy <= 1; ++dy)
            found = found || r.image.pixelColor(col, row + dy) == Green;
        hits += found;
    }
    EXPECT_EQ(hits, columns);
    // Nothing of the curve outside the plot area.
    EXPECT_EQ(countColour(r.image, Green, {0, 0, W, plot.top}), 0);
    EXPECT_EQ(countColour(r.image, Green, {0, plot.bottom, W, H}), 0);
    EXPECT_EQ(countColour(r.image, Green, {0, 0, plot.left, H}), 0);
}

TEST(Renderer, HugeValuesAndBadTextsDoNotStopTheOtherCurves)
{
    TSeries curves;
    const char* before[] = {"1e30", "-1e30", "(x*x+1)*1e300*1e300", "sin(", "x+", "exp(100000+x)"};
    for (const char* text : before) {
        TPoints* c = curves.Add();
        c->setText(text);
        c->setColor(Purple);
    }
    TPoints* last = curves.Add();
    last->setText("x");
    last->setColor(Green);
    Rendered r;
    EXPECT_NO_THROW(r = render(curves, windowSettings(), view(-5, 5, -5, 5)));
    EXPECT_EQ(countColour(r.image, Purple, r.layout.plot), 0);
    EXPECT_GT(countColour(r.image, Green, r.layout.plot), r.layout.plot.width() / 2);
}

TEST(Renderer, GapsWhereTheCurveHasNoValue)
{
    TSeries curves;
    TPoints* c = curves.Add();
    c->setText("sqrt(x)");
    c->setColor(Green);
    const Rendered r = render(curves, windowSettings(), view(-5, 5, -5, 5));
    const TPixelRect& plot = r.layout.plot;
    // Left of the y axis there is no square root.
    const int axis = plot.left + int(std::lround(double(-r.view.xmin * pixelsPerXUnit(r.view, plot))));
    EXPECT_EQ(countColour(r.image, Green, {plot.left, plot.top, axis - 1, plot.bottom}), 0);
    EXPECT_GT(countColour(r.image, Green, {axis + 1, plot.top, plot.right, plot.bottom}), 10);
}

TEST(Renderer, HiddenAndEmptyCurvesAreNotDrawn)
{
    TSeries curves;
    TPoints* hidden = curves.Add();
    hidden->setText("x");
    hidden->setColor(Green);
    hidden->setVisible(false);
    curves.Add()->setColor(Purple); // no text yet
    const Rendered r = render(curves, windowSettings(), view(-5, 5, -5, 5));
    EXPECT_EQ(countColour(r.image, Green, r.layout.plot), 0);
    EXPECT_EQ(countColour(r.image, Purple, r.layout.plot), 0);
}

TEST(Renderer, AxesGridBordersAndLabels)
{
    TSeries curves;
    TGraphSettings s = windowSettings();
    const Rendered r = render(curves, s, view(-5, 5, -5, 5));
    const TPixelRect& plot = r.layout.plot;
    // The axes cross at the plane's origin, in the axis colour.
    const int axisColumn = plot.left + int(std::trunc(double((0 - r.view.xmin) * pixelsPerXUnit(r.view, plot))));
    const int axisRow = plot.bottom - int(std::trunc(double((0 - r.view.ymin) * pixelsPerYUnit(r.view, plot))));
    EXPECT_EQ(r.image.pixelColor(axisColumn, plot.top + 3), s.ColorAxis);
    EXPECT_EQ(r.image.pixelColor(plot.left + 3, axisRow), s.ColorAxis);
    // Grid lines in their colour; background in between.
    EXPECT_GT(countColour(r.image, s.ColorGrid, plot), plot.width() * 4);
    EXPECT_GT(countColour(r.image, s.ColorBg, plot), plot.width() * plot.height() / 2);
    // Lowered outer bevel: shadow top-left, highlight bottom-right; the plot
    // area's raised border the other way round.
    EXPECT_EQ(r.image.pixelColor(5, 0), s.BevelShadow);
    EXPECT_EQ(r.image.pixelColor(5, H - 1), s.BevelHighlight);
    EXPECT_EQ(r.image.pixelColor(plot.left + 5, plot.top - 1), s.BevelHighlight);
    EXPECT_EQ(r.image.pixelColor(plot.left + 5, plot.bottom), s.BevelShadow);
    // Labels: dark text in both strips, none in the plot's corner below-left.
    auto dark = [&](const TPixelRect& a) {
        int n = 0;
        for (int y = a.top; y < a.bottom; ++y)
            for (int x = a.left; x < a.right; ++x)
                n += qGray(r.image.pixel(x, y)) < 100;
        return n;
    };
    EXPECT_GT(dark(r.layout.leftStrip), 50);
    EXPECT_GT(dark(r.layout.bottomStrip), 50);
    // No labels when switched off.
    s.NumbHoriz = s.NumbVert = false;
    const Rendered bare = render(curves, s, view(-5, 5, -5, 5));
    EXPECT_EQ(bare.layout.plot.left, 2);
    EXPECT_EQ(bare.layout.plot.bottom, H - 2);
}

TEST(Renderer, TheViewIsNormalisedToTheLimitsAndTheRatio)
{
    TSeries curves;
    const Rendered r = render(curves, windowSettings(), view(-0.001L, 0.001L, -0.001L, 0.001L));
    EXPECT_NEAR(double(std::min(r.view.xExtent(), r.view.yExtent())), 0.01, 1e-12);
    const long double ratio = pixelsPerYUnit(r.view, r.layout.plot) / pixelsPerXUnit(r.view, r.layout.plot);
    EXPECT_NEAR(double(ratio), 1, 1e-9);
}

// ---- The control ---------------------------------------------------------------

namespace {

class Graph : public ::testing::Test {
protected:
    void SetUp() override
    {
        graph = std::make_unique<TEasyGraph>();
        graph->resize(W, H);
        graph->setSettings(windowSettings());
        graph->setClock([this] { return now; });
        graph->setView(-5, 5, -5, 5);
        TPoints* c = graph->Series().Add();
        c->setText("x");
        c->setColor(Green);
        test::showAndWait(*graph);
        graph->picture();
    }

    QPoint centre() const
    {
        const TPixelRect p = graph->layout().plot;
        return QPoint((p.left + p.right) / 2, (p.top + p.bottom) / 2);
    }
    void press(Qt::MouseButton b, QPoint at, Qt::KeyboardModifiers mods = {})
    {
        QTest::mousePress(graph.get(), b, mods, at);
    }
    void release(Qt::MouseButton b, QPoint at, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseRelease(graph.get(), b, mods, at);
    }
    void moveTo(QPoint at, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {})
    {
        QMouseEvent e(QEvent::MouseMove, at, graph->mapToGlobal(at), Qt::NoButton, held, mods);
        QCoreApplication::sendEvent(graph.get(), &e);
    }

    qint64 now = 1000;
    std::unique_ptr<TEasyGraph> graph;
};

} // namespace

TEST_F(Graph, ThePictureIsRedrawnOnlyWhenSomethingChanged)
{
    const int start = graph->redrawCount();
    graph->picture();
    graph->repaint();
    EXPECT_EQ(graph->redrawCount(), start);
    graph->setView(-4, 4, -4, 4);
    graph->picture();
    EXPECT_EQ(graph->redrawCount(), start + 1);
    graph->setView(1, 1, 0, 3); // empty range: ignored
    graph->picture();
    EXPECT_EQ(graph->redrawCount(), start + 1);
    graph->Series().Items(0)->setColor(Purple);
    graph->picture();
    EXPECT_EQ(graph->redrawCount(), start + 2);
    graph->resize(W - 20, H);
    graph->picture();
    EXPECT_EQ(graph->redrawCount(), start + 3);
    EXPECT_EQ(graph->picture().size(), QSize(W - 20, H));
}

TEST_F(Graph, TheLastRedrawsDurationIsKept)
{
    graph->setClock([this] { return now += 7; }); // every reading 7 ms later
    graph->setView(-4, 4, -4, 4);
    graph->picture();
    EXPECT_EQ(graph->lastRedrawMs(), 7);
}

TEST_F(Graph, LeftClickZoomsInAboutTheCentre)
{
    const TGraphView before = graph->view();
    QTest::mouseClick(graph.get(), Qt::LeftButton, {}, centre() + QPoint(40, 30));
    const TGraphView after = graph->view();
    EXPECT_NEAR(double(after.xExtent()), double(before.xExtent() / 2), 1e-12);
    EXPECT_NEAR(double(after.yExtent()), double(before.yExtent() / 2), 1e-12);
    EXPECT_NEAR(double(after.xmin + after.xmax), double(before.xmin + before.xmax), 1e-12);
}

TEST_F(Graph, ZoomingInStopsAtTheSmallestExtent)
{
    for (int i = 0; i < 20; ++i) {
        QTest::mouseClick(graph.get(), Qt::LeftButton, {}, centre());
        graph->picture();
    }
    EXPECT_NEAR(double(std::min(graph->view().xExtent(), graph->view().yExtent())), 0.01, 1e-9);
}

TEST_F(Graph, RightClickZoomsOutUpToTheLargestExtent)
{
    const TGraphView before = graph->view();
    QTest::mouseClick(graph.get(), Qt::RightButton, {}, centre());
    EXPECT_NEAR(double(graph->view().xExtent()), double(before.xExtent() * 2), 1e-12);
    for (int i = 0; i < 20; ++i) {
        QTest::mouseClick(graph.get(), Qt::RightButton, {}, centre());
        graph->picture();
    }
    EXPECT_NEAR(double(std::max(graph->view().xExtent(), graph->view().yExtent())), 10000, 1e-6);
}

TEST_F(Graph, RightDragPansFromTheThirdMove)
{
    const TGraphView before = graph->view();
    const TPixelRect plot = graph->layout().plot;
    const QPoint start = centre();
    press(Qt::RightButton, start);
    moveTo(start + QPoint(1, 0), Qt::RightButton);
    moveTo(start + QPoint(2, 0), Qt::RightButton);
    EXPECT_EQ(graph->view(), before);
    moveTo(start + QPoint(20, -10), Qt::RightButton);
    release(Qt::RightButton, start + QPoint(20, -10));
    const TGraphView after = graph->view();
    // The plane followed the pointer: 20 px right, 10 px up.
    EXPECT_NEAR(double(after.xmin), double(before.xmin - 20 / pixelsPerXUnit(before, plot)), 1e-12);
    EXPECT_NEAR(double(after.ymin), double(before.ymin - 10 / pixelsPerYUnit(before, plot)), 1e-12);
    EXPECT_NEAR(double(after.xExtent()), double(before.xExtent()), 1e-12); // no zoom out
}

TEST_F(Graph, LeftDragZoomsToTheRubberBand)
{
    const TPixelRect plot = graph->layout().plot;
    const TGraphView before = graph->view();
    const QPoint a(plot.left + 50, plot.top + 40);
    const QPoint b(plot.left + 150, plot.top + 140);
    press(Qt::LeftButton, a);
    moveTo(b, Qt::LeftButton);
    EXPECT_EQ(graph->rubberBand(), QRect(a, b));
    // The band is drawn over the picture in XOR, the picture itself untouched.
    const QImage shown = graph->grab().toImage();
    EXPECT_NE(shown.pixelColor(a.x() + 30, a.y()), graph->picture().pixelColor(a.x() + 30, a.y()));
    release(Qt::LeftButton, b);
    EXPECT_TRUE(graph->rubberBand().isNull());
    // The band's ranges, the x range then widened about its centre to keep
    // the plot's ratio (the band is square, the plot is wider than high).
    const TGraphView after = graph->view();
    const long double x1 = columnToX(before, plot, a.x()), x2 = columnToX(before, plot, b.x());
    EXPECT_NEAR(double(after.ymax), double(rowToY(before, plot, a.y())), 1e-12);
    EXPECT_NEAR(double(after.ymin), double(rowToY(before, plot, b.y())), 1e-12);
    EXPECT_NEAR(double(after.xmin + after.xmax), double(x1 + x2), 1e-12);
    EXPECT_GT(double(after.xExtent()), double(x2 - x1));
    EXPECT_NEAR(double(pixelsPerXUnit(after, plot)), double(pixelsPerYUnit(after, plot)), 1e-9);
}

TEST_F(Graph, RubberBandCornerIsClampedToThePlotArea)
{
    const TPixelRect plot = graph->layout().plot;
    const QPoint a(plot.left + 50, plot.top + 40);
    press(Qt::LeftButton, a);
    moveTo(QPoint(W + 50, -30), Qt::LeftButton);
    EXPECT_EQ(graph->rubberBand(), QRect(QPoint(a.x(), plot.top), QPoint(plot.right - 1, a.y())));
    release(Qt::LeftButton, QPoint(W + 50, -30));
}

TEST_F(Graph, PressesOutsideThePlotAreaAreIgnored)
{
    const TGraphView before = graph->view();
    const TPixelRect plot = graph->layout().plot;
    QTest::mouseClick(graph.get(), Qt::LeftButton, {}, QPoint(plot.left - 10, plot.top + 20));
    QTest::mouseClick(graph.get(), Qt::RightButton, {}, QPoint(plot.left + 10, plot.bottom + 5));
    EXPECT_EQ(graph->view(), before);
}

TEST_F(Graph, ShiftPressShowsTheValueHint)
{
    const TPixelRect plot = graph->layout().plot;
    // A point on y = x: the curve shows on the third line.
    const int col = plot.left + 100;
    const long double x = columnToX(graph->view(), plot, col);
    const int row = plot.bottom - int(std::lround(double((x - graph->view().ymin) * pixelsPerYUnit(graph->view(), plot))));
    press(Qt::LeftButton, QPoint(col, row), Qt::ShiftModifier);
    ASSERT_NE(graph->hintForm(), nullptr);
    TEGHintForm* hint = graph->hintForm();
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->size(), QSize(80, 50));
    EXPECT_EQ(hint->xText(), hintNumber(x, '.'));
    EXPECT_EQ(hint->yText(), hintNumber(rowToY(graph->view(), plot, row), '.'));
    EXPECT_TRUE(hint->hasCurve());
    EXPECT_EQ(hint->curveText(), "x");
    EXPECT_EQ(hint->curveColor(), Green);
    EXPECT_GT(hint->y(), graph->mapToGlobal(QPoint(col, row)).y() + 5);
    // Away from the curve: no curve line; outside the plot: hidden.
    moveTo(QPoint(col, row - 40), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FALSE(hint->hasCurve());
    moveTo(QPoint(plot.left - 20, row), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FALSE(hint->isVisible());
    moveTo(QPoint(col, row), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(hint->isVisible());
    const TGraphView before = graph->view();
    release(Qt::LeftButton, QPoint(col, row), Qt::ShiftModifier);
    EXPECT_FALSE(hint->isVisible());
    EXPECT_EQ(graph->view(), before); // the hint zooms nothing
}

TEST_F(Graph, HintSkipsHiddenCurvesAndTakesTheFirstThatPasses)
{
    TPoints* second = graph->Series().Add();
    second->setText("x*1");
    second->setColor(Purple);
    graph->Series().Items(0)->setVisible(false);
    graph->picture();
    const TPixelRect plot = graph->layout().plot;
    const QPoint c = centre();
    const long double x = columnToX(graph->view(), plot, c.x());
    const int row = plot.bottom - int(std::lround(double((x - graph->view().ymin) * pixelsPerYUnit(graph->view(), plot))));
    press(Qt::LeftButton, QPoint(c.x(), row), Qt::ShiftModifier);
    EXPECT_EQ(graph->hintForm()->curveText(), "x*1");
    release(Qt::LeftButton, QPoint(c.x(), row), Qt::ShiftModifier);
}

TEST_F(Graph, ZoomAnimatesOnTheClockAndEndsOnTheTarget)
{
    TGraphSettings s = graph->settings();
    s.ZoomTime = 200;
    graph->setSettings(s);
    graph->picture();
    const TGraphView before = graph->view();
    QTest::mouseClick(graph.get(), Qt::LeftButton, {}, centre());
    ASSERT_TRUE(graph->animating());
    EXPECT_EQ(graph->view(), before); // the first frame comes from the timer
    // Presses during the animation are ignored.
    QTest::mouseClick(graph.get(), Qt::RightButton, {}, centre());
    std::vector<long double> extents;
    for (int i = 0; i < 50 && graph->animating(); ++i) {
        now += 30;
        QTest::qWait(5);
        extents.push_back(graph->view().xExtent());
    }
    ASSERT_FALSE(graph->animating());
    EXPECT_GE(extents.size(), 5u);
    for (std::size_t i = 1; i < extents.size(); ++i)
        EXPECT_LE(extents[i], extents[i - 1]);
    EXPECT_NEAR(double(graph->view().xExtent()), double(before.xExtent() / 2), 1e-12);
}

TEST_F(Graph, DestroyingTheControlMidAnimationStopsIt)
{
    TGraphSettings s = graph->settings();
    s.ZoomTime = 100000;
    graph->setSettings(s);
    graph->picture();
    QTest::mouseClick(graph.get(), Qt::LeftButton, {}, centre());
    now += 10;
    QTest::qWait(10);
    ASSERT_TRUE(graph->animating());
    graph.reset();
    QTest::qWait(10); // no frame arrives for the dead control
    SUCCEED();
}

TEST(Series, IndexOutOfRangeRaises)
{
    TSeries s;
    int changes = 0;
    s.onChange = [&] { ++changes; };
    s.Add();
    s.Add()->setText("x");
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(s.Items(2), Error);
    EXPECT_THROW(s.Delete(-1), Error);
    s.Delete(0);
    EXPECT_EQ(s.Count(), 1);
    EXPECT_EQ(s.Items(0)->Text(), "x");
}

TEST(Settings, NumbersUseTheLocalesDecimalPoint)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QChar german = TGraphSettings().DecimalPoint;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QChar english = TGraphSettings().DecimalPoint;
    QLocale::setDefault(before);
    EXPECT_EQ(german, QLatin1Char(','));
    EXPECT_EQ(english, QLatin1Char('.'));
}
