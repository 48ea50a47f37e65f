#pragma once
// Every folder's activity windows, for the programs that link all folders
// (the program itself, the snapshot tool, the start-up benchmark). Defined in
// AllWindows.cpp, which those programs compile themselves: the app library
// stays below the folders whose windows it opens.

namespace tv {

class WindowRegistry;

void registerAllWindows(WindowRegistry& registry);

} // namespace tv
