#include "app/AllWindows.h"

#include "app/WindowRegistry.h"
#include "grapher/RegisterGrapher.h"
#include "lessons/RegisterLessons.h"
#include "numbertools/RegisterNumberTools.h"
#include "practice/RegisterPractice.h"
#include "recreations/RegisterRecreations.h"
#include "sheets/RegisterSheets.h"

namespace tv {

void registerAllWindows(WindowRegistry& registry)
{
    registerNumberToolsWindows(registry);
    registerRecreationsWindows(registry);
    registerSheetsWindows(registry);
    registerGrapherWindows(registry);
    registerLessonsWindows(registry);
    registerPracticeWindows(registry);
}

} // namespace tv
