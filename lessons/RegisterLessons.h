#pragma once

namespace tv {

class WindowRegistry;

// The reference lessons: Divisibility Rules, Definitions and Formulae, with
// the information box made once at start-up.
void registerLessonsWindows(WindowRegistry& registry);

} // namespace tv
