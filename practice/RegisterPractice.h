#pragma once
// The practice problems' activity windows.
namespace tv {

class WindowRegistry;

// Adds this folder's activity windows to the registry; called once at start-up.
void registerPracticeWindows(WindowRegistry& registry);

} // namespace tv
