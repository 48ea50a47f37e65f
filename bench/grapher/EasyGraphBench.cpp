// The graph control's costs: one full redraw of the window's three curves at
// the window's size, and one zoom animation frame (next view, redraw). Run
// with --benchmark_repetitions for medians.
#include "grapher/EasyGraph.h"
#include "ui/Application.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

constexpr int W = 433, H = 357;

tv::TGraphSettings windowSettings()
{
    tv::TGraphSettings s;
    s.MaintainRatio = true;
    s.BorderStyle = tv::bstLowered;
    s.GraphBorder = tv::bstRaised;
    s.ColorBg = QColor(0xFE, 0xE8, 0xC7);
    s.ColorAxis = QColor(0xD7, 0x00, 0x00);
    s.ZoomTime = 50;
    return s;
}

void addWindowCurves(tv::TSeries& curves)
{
    const char* texts[] = {"sin (0.5*x^2/2)*2", "x^4+x^3-3*x^2+x", "x^4-4*x^2-x"};
    const QColor colours[] = {QColor(0x80, 0x80, 0x80), QColor(0x00, 0x00, 0xFF), QColor(0xFF, 0x00, 0x00)};
    for (int i = 0; i < 3; ++i) {
        tv::TPoints* c = curves.Add();
        c->setText(QString::fromLatin1(texts[i]));
        c->setColor(colours[i]);
    }
}

void BM_FullRedraw(benchmark::State& state)
{
    tv::TSeries curves;
    addWindowCurves(curves);
    const tv::TGraphSettings s = windowSettings();
    tv::TExprParser parser;
    QImage image(W, H, QImage::Format_RGB32);
    for (auto _ : state) {
        tv::TGraphView view;
        tv::setGraphView(view, -6.2L, 6.2L, -6.5L, 6.5L);
        QPainter p(&image);
        tv::renderGraph(p, W, H, s, view, curves, parser);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One frame of a zoom in: the control takes the interpolated view and
// redraws its off-screen picture (copying it to the screen is not counted).
void BM_AnimationFrame(benchmark::State& state)
{
    tv::TEasyGraph graph;
    graph.resize(W, H);
    graph.setSettings(windowSettings());
    graph.setView(-6.2L, 6.2L, -6.5L, 6.5L);
    addWindowCurves(graph.Series());
    graph.picture();
    const tv::TGraphView from = graph.view();
    const tv::TGraphView to = tv::zoomedIn(from);
    tv::TZoomAnimation animation;
    std::int64_t step = 0;
    for (auto _ : state) {
        if (!animation.running()) {
            animation.start(from, to, 50, 0);
            step = 0;
        }
        const tv::TGraphView frame = animation.nextFrame(step++ ? 5 : 0);
        graph.setView(frame.xmin, frame.xmax, frame.ymin, frame.ymax);
        benchmark::DoNotOptimize(graph.picture().bits());
    }
}
BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tv::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
