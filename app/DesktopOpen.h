#pragma once
#include <QString>

namespace tv {

// Opens a file (or a web address) with the desktop's default program for it.
// Reports nothing when that fails.
void openWithDefaultProgram(const QString& pathOrUrl);

} // namespace tv
