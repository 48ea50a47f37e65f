// Nanoseconds per evaluation while X changes on every evaluation, as the
// plotter does once per pixel column. For scale: muparser (64-bit reals) on
// the same texts, and the floor, each expression written out by hand in
// 80-bit C++ with the parser's own function kernels (each gives exactly the
// parser's value).
#include "grapher/ExprKernels.h"
#include "grapher/ExprParser.h"

#include <cmath>

#include <benchmark/benchmark.h>

#ifdef HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

namespace k = tv::kernels;
using real = long double;

// As the parser works out X^4: the square squared.
inline real fourth(real x)
{
    const real q = x * x;
    return q * q;
}

// The parser's grouping: "+" and "*" to the right, "-" and "/" to the left.
[[gnu::noinline]] real floor0(real x) { return fourth(x) + ((x * x * x - 3 * (x * x)) + x); }
[[gnu::noinline]] real floor1(real x) { return k::sin(0.5L * (x * x) / 2) * 2; }
[[gnu::noinline]] real floor2(real x) { return (fourth(x) - 4 * (x * x)) - x; }
[[gnu::noinline]] real floor3(real x)
{
    const real tail = (1 + (k::tan(x / 8) * k::sinh(x / 10) - k::cosh(x / 10)));
    const real powers = (fourth(x) / 24 - x * x / 2) + tail;
    const real minmax = (x > 0.5L ? x : 0.5L) * (x < 2 ? x : 2) + powers;
    const real logs = (std::log(x * x + 1) - std::atan(x) * 2) + minmax;
    const real ratio =
        (x * x * x / (1 + x * x) - std::sqrt(std::fabs(x) + 1) * k::exp(-(x * x) / 4)) + logs;
    return k::sin(x) * k::cos(x / 2) + ratio;
}

struct Case {
    const char* ours;
    const char* muparser;  // the same expression in muparser's names
    real (*floor)(real);
};

const Case kCases[] = {
    {"x^4+x^3-3*x^2+x", "x^4+x^3-3*x^2+x", floor0},
    {"sin(0.5*x^2/2)*2", "sin(0.5*x^2/2)*2", floor1},
    {"x^4-4*x^2-x", "x^4-4*x^2-x", floor2},
    // 45 operations mixing functions.
    {"sin(x)*cos(x/2)+x^3/(1+x^2)-sqrt(abs(x)+1)*exp(-x^2/4)+ln(x^2+1)-arctan(x)*2"
     "+max(x,0.5)*min(x,2)+x^4/24-x^2/2+1+tan(x/8)*sinh(x/10)-cosh(x/10)",
     "sin(x)*cos(x/2)+x^3/(1+x^2)-sqrt(abs(x)+1)*exp(-x^2/4)+ln(x^2+1)-atan(x)*2"
     "+max(x,0.5)*min(x,2)+x^4/24-x^2/2+1+tan(x/8)*sinh(x/10)-cosh(x/10)",
     floor3},
};

void Ours(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    tv::TExprParser parser;
    parser.setExpression(QString::fromLatin1(c.ours));
    state.counters["operations"] = double(parser.compiledKinds().size());
    real x = 0.1L;
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

void Floor(benchmark::State& state)
{
    const Case& c = kCases[state.range(0)];
    real x = 0.1L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.floor(x));
        x += 0.001L;
        if (x > 3)
            x = 0.1L;
    }
    state.SetLabel(c.ours);
}
BENCHMARK(Floor)->DenseRange(0, 3);

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
