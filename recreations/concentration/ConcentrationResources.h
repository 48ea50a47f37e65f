#pragma once

namespace tv::concentration {
// Registers the picture strips compiled into this library; a static
// library's resources are otherwise dropped by the linker.
void initConcentrationResources();
} // namespace tv::concentration
