#pragma once

namespace tv {
class WindowRegistry;
// Adds this folder's activity windows to the registry; called once at start-up.
void registerLessonsWindows(WindowRegistry& registry);
} // namespace tv
