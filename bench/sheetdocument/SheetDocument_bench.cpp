// A sheet-sized document: create the view, fill it with 20 questions (each
// with an inline picture and four answer buttons), lay it out and show it.
#include "sheets/RichDocument.h"
#include "sheets/SheetPicture.h"
#include "ui/Application.h"

#include <QRadioButton>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

void fillSheet(tv::RichDocument& rv, int questions)
{
    using VA = tv::RichDocument::VAlign;
    rv.addText(QStringLiteral("Part 1-Order of Operations"), 1, 1);
    rv.addLine(3, QColor(255, 0, 0));
    rv.addText(QString(), 0, 0);
    rv.addText(QString(), 0, 0);
    int rb = 0;
    for (int q = 1; q <= questions; ++q) {
        rv.addLine(1, QColor(0, 0, 255));
        rv.addText(QStringLiteral("%1.   Which of these is the value of 5×4+6×3 when the products are worked first?").arg(q),
                   12, 2);
        rv.addControl(new tv::SheetPicture(QStringLiteral(":/sheets/pie-three-quarters.svg"), QSize(40, 40)), -1,
                      VA::Middle);
        rv.addText(QString(), 0, 0);
        for (const char* choice : {"150", "38", "78", "None of the above."}) {
            auto* button = new QRadioButton(QString::fromLatin1(choice));
            button->setObjectName(QStringLiteral("RB%1").arg(++rb));
            button->adjustSize();
            rv.addControl(button, 3, VA::Middle);
        }
        rv.addText(QString(), 0, 0);
        rv.addText(QString(), 0, 0);
    }
}

void BM_CreateFillLayOutShow(benchmark::State& state)
{
    for (auto _ : state) {
        tv::RichDocument rv;
        rv.setGeometry(5, 95, 600, 295);
        fillSheet(rv, 20);
        rv.formatDocument();
        rv.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(rv.verticalScrollBar()->maximum());
    }
}
BENCHMARK(BM_CreateFillLayOutShow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_ScrollThrough(benchmark::State& state)
{
    tv::RichDocument rv;
    rv.resize(600, 295);
    fillSheet(rv, 20);
    rv.formatDocument();
    rv.show();
    QCoreApplication::processEvents();
    QScrollBar* bar = rv.verticalScrollBar();
    int v = 0;
    for (auto _ : state) {
        v = (v + 40) % (bar->maximum() + 1);
        bar->setValue(v);
    }
}
BENCHMARK(BM_ScrollThrough)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tv::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
