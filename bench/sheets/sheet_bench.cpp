// A whole sheet from nothing to shown: the base window, twenty questions of
// four choices from a content table, each with a drawn picture after its
// number, laid out and shown
// (headless) and painted once, then destroyed. The median should stay well below 100 ms.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"
#include "tests/support/FakeActivityHost.h"
#include "ui/Application.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QScrollBar>

#include <string>
#include <vector>

namespace {

// Twenty ruled questions built the way every sheet is: from a content
// table, each with a drawn exercise after its number (the fraction drills'
// case, the dearest picture to make).
struct Table {
    std::vector<std::u16string> sums;
    std::vector<tv::sheet::Choice> questions;
    std::vector<tv::sheet::Step> steps;
    tv::sheet::SheetContent content;

    Table()
    {
        using namespace tv::sheet;
        sums.reserve(20);
        questions.reserve(20);
        for (int q = 1; q <= 20; ++q) {
            sums.push_back(QStringLiteral("%1/%2 + %3/12").arg(q % 7 + 1).arg(q % 5 + 8).arg(q % 11 + 1).toStdU16String());
            Choice c;
            c.printed = q;
            c.prompt = u"{n}.   {p}   What is the sum, in lowest terms?";
            c.expression = sums.back().c_str();
            c.picture = drawnExpression();
            c.choices[0] = u"Choice number 1";
            c.choices[1] = u"Choice number 2";
            c.choices[2] = u"Choice number 3";
            c.choices[3] = u"Choice number 4";
            c.keyed = q % 4;
            questions.push_back(c);
            steps.push_back(ask(questions.back()));
        }
        content = skillsReview(u"Twenty Questions", steps);
    }
};

class BenchSheet : public tv::TfrmTestMaster {
public:
    BenchSheet(tv::ActivityHost& host, const tv::sheet::SheetContent& content) : TfrmTestMaster(host)
    {
        build(content);
    }
};

void BM_CreateFillLayOutShowSheet(benchmark::State& state)
{
    tv::test::FakeActivityHost host;
    const Table table;
    for (auto _ : state) {
        auto* sheet = new BenchSheet(host, table.content);
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
