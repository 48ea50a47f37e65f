#include "practice/RegisterPractice.h"

#include "app/WindowRegistry.h"
#include "practice/unitAddWhole.h"

namespace tv {

void registerPracticeWindows(WindowRegistry& registry)
{
    registry.addHosted<TfrmAddWhole>();
}

} // namespace tv
