// From process start to the main window shown and painted, headless. Each
// iteration starts this program again in child mode; the child builds the
// program's start-up (registry, main window, long-lived dialogs), shows the
// window and ends right after its first paint.
#include "app/AllWindows.h"
#include "app/WindowRegistry.h"
#include "app/unitTallyvale.h"
#include "ui/Application.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QProcess>

#include <cstdlib>
#include <cstring>

namespace {

const char* selfPath = nullptr;

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            std::_Exit(0);
        return false;
    }
};

int runChild(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tv::Application app(argc, argv);
    tv::registerAllWindows(tv::WindowRegistry::instance());
    tv::TfrmTallyvale mainWindow;
    mainWindow.activateOnShow = false;
    mainWindow.createStartupDialogs();
    FirstPaint filter;
    mainWindow.centralWidget()->installEventFilter(&filter);
    mainWindow.show();
    return app.exec();
}

void BM_StartToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        QProcess child;
        child.start(QString::fromLocal8Bit(selfPath), {QStringLiteral("--child")});
        child.waitForFinished(10000);
        if (child.exitCode() != 0)
            state.SkipWithError("child failed");
    }
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20)->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    selfPath = argv[0];
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
