// Nanoseconds per evaluation while X changes on every evaluation, as the
// plotter does once per pixel column; muparser on the same texts for scale.
#include "grapher/ExprParser.h"

#include <benchmark/benchmark.h>

#ifdef HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

struct Case {
    const char* ours;
    const char* muparser;  // the same expression in muparser's names
};

// About 40 operations mixing functions.
const Case kCases[] = {
    {"x^4+x^3-3*x^2+x", "x^4+x^3-3*x^2+x"},
    {"sin(0.5*x^2/2)*2", "sin(0.5*x^2/2)*2"},
    {"x^4-4*x^2-x", "x^4-4*x^2-x"},
    {"sin(x)*cos(x/2)+x^3/(1+x^2)-sqrt(abs(x)+1)*exp(-x^2/4)+ln(x^2+1)-arctan(x)*2"
     "+max(x,0.5)*min(x,2)+x^4/24-x^2/2+1+tan(x/8)*sinh(x/10)-cosh(x/10)",
     "sin(x)*cos(x/2)+x^3/(1+x^2)-sqrt(abs(x)+1)*exp(-x^2/4)+ln(x^2+1)-atan(x)*2"
     "+max(x,0.5)*min(x,2)+x^4/24-x^2/2+1+tan(x/8)*sinh(x/10)-cosh(x/10)"},
};

void Ours(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    tv::TExprParser parser;
    parser.setExpression(QString::fromLatin1(c.ours));
    state.counters["operations"] = double(parser.compiledKinds().size());
    long double x = 0.1L;
    for (auto _ : state) {
        parser.X = x;
        benchmark::DoNotOptimize(parser.Value());
        x += 0.001L;
        if (x > 3)
            x = 0.1L;
    }
    state.SetLabel(c.ours);
}
BENCHMARK(Ours)->DenseRange(0, 3);

#ifdef HAVE_MUPARSER
void MuParser(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    mu::Parser parser;
    double x = 0.1;
    parser.DefineVar("x", &x);
    parser.SetExpr(c.muparser);
    parser.Eval();
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.Eval());
        x += 0.001;
        if (x > 3)
            x = 0.1;
    }
    state.SetLabel(c.muparser);
}
BENCHMARK(MuParser)->DenseRange(0, 3);
#endif

} // namespace

BENCHMARK_MAIN();
