// The accuracy table of the parser's function kernels: worst error in units
// in the last place against 128-bit references, and where it happened.
// Usage: grapher_accuracy [points per function, default 1000000]
#include "KernelAccuracy.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const long points = argc > 1 ? std::atol(argv[1]) : 1000000;
    std::printf("%-8s %12s %10s  %s\n", "function", "points", "worst ulp", "at");
    bool good = true;
    for (const auto& f : tv::accuracy::functions()) {
        const auto r = tv::accuracy::measure(f, points, 20261209);
        std::printf("%-8s %12ld %10.3f  %.21Lg\n", r.function.c_str(), r.points, r.worst,
                    r.worstAt);
        good = good && r.worst <= 1.5;
    }
    return good ? 0 : 1;
}
