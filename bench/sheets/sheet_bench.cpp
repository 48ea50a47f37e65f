// A whole sheet from nothing to shown: the base window, twenty questions of
// four choices, each with a picture after its number, laid out and shown
// (headless) and painted once, then destroyed. The median should stay well below 100 ms.
#include "sheets/SheetPicture.h"
#include "sheets/unitMasterTest.h"
#include "tests/support/FakeActivityHost.h"
#include "ui/Application.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QScrollBar>

namespace {

class BenchSheet : public tv::TfrmTestMaster {
public:
    explicit BenchSheet(tv::ActivityHost& host) : TfrmTestMaster(host)
    {
        setTabPrefixTitle(QStringLiteral("Twenty Questions"));
        doThickRedLine();
        RV->addText(QStringLiteral(" "), 0, 0);
        RV->addText(QStringLiteral(" "), 0, 0);
        int rb = 0;
        for (int q = 1; q <= 20; ++q) {
            doThinBlueLine();
            RV->addText(QString::number(q) + QStringLiteral(".   "), 10, 2);
            auto* picture = new tv::SheetPicture(QStringLiteral(":/sheets/master/decoration.svg"),
                                                 QSize(57, 71), tv::PictureKind::Still, this);
            RV->addControl(picture, tv::kContinueParagraph, tv::RichDocument::VAlign::Middle);
            RV->addText(QStringLiteral(" What is the value of the sum in the picture, worked in the "
                                       "right order?"),
                        10, tv::kContinueParagraph);
            RV->addText(QStringLiteral(" "), 0, 0);
            for (int c = 0; c < 4; ++c)
                addNewRadioButton(QStringLiteral("RB") + QString::number(++rb),
                                  QStringLiteral("Choice number %1").arg(c + 1), q, c == q % 4, 12);
            RV->addText(QStringLiteral(" "), 0, 0);
            RV->addText(QStringLiteral(" "), 0, 0);
        }
        RV->formatDocument();
    }
};

void BM_CreateFillLayOutShowSheet(benchmark::State& state)
{
    tv::test::FakeActivityHost host;
    for (auto _ : state) {
        auto* sheet = new BenchSheet(host);
        sheet->show();
        QCoreApplication::processEvents();
        sheet->repaint(); // the first paint belongs to showing
        benchmark::DoNotOptimize(sheet->RV->verticalScrollBar()->maximum());
        delete sheet;
    }
}
BENCHMARK(BM_CreateFillLayOutShowSheet)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tv::Application app(argc, argv);
    tv::registerMasterTestResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
