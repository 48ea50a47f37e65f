#pragma once
// Every folder's activity windows, for the programs that link all folders
// (the program itself, the snapshot tool, the start-up benchmark).
#include "app/WindowRegistry.h"
#include "grapher/RegisterGrapher.h"
#include "numbertools/RegisterNumberTools.h"
#include "recreations/RegisterRecreations.h"
#include "sheets/RegisterSheets.h"

namespace tv {

inline void registerAllWindows(WindowRegistry& registry)
{
    registerNumberToolsWindows(registry);
    registerRecreationsWindows(registry);
    registerSheetsWindows(registry);
    registerGrapherWindows(registry);
}

} // namespace tv
