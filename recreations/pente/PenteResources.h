#pragma once

namespace tv::pente {
// Registers the stone and button pictures compiled into this library; a
// static library's resources are otherwise dropped by the linker.
void initPenteResources();
} // namespace tv::pente
