#include "app/WindowRegistry.h"
#include "recreations/tangram/U_tangram2.h"

namespace tv {

void registerTangramWindows(WindowRegistry& registry) { registry.addOwned<tangram::TfrmTangram>(); }

} // namespace tv
