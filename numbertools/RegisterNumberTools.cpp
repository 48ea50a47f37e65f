#include "numbertools/RegisterNumberTools.h"

#include "app/WindowRegistry.h"

namespace tv {

// Calculators (prime factoring, all factors, day of the week, factorials,
// Diophantine) and the fraction, BMI and sequence-table windows are made in
// two groups of their own.
void registerCalculatorWindows(WindowRegistry& registry);
void registerTableWindows(WindowRegistry& registry);

void registerNumberToolsWindows(WindowRegistry& registry)
{
    registerCalculatorWindows(registry);
    registerTableWindows(registry);
}

} // namespace tv
