#include "lessons/RegisterLessons.h"

#include "app/WindowRegistry.h"
#include "lessons/unitDialog.h"
#include "lessons/unitDivisibilityRules.h"
#include "lessons/unitFormulae.h"
#include "lessons/unitReferenceDefinitions.h"

namespace tv {

void registerLessonsWindows(WindowRegistry& registry)
{
    registry.addOwned<lessons::TfrmDivisibilityRules>();
    registry.addOwned<TfrmReferenceDefinitions>();
    registry.addOwned<lessons::TfrmFormulae>();
    // The information box lives for the whole run, owned by the main window,
    // and every lesson window reuses it.
    registry.addStartupHook([](QWidget* mainWindow) {
        if (!lessons::infoDialog)
            lessons::infoDialog = new lessons::TinfoDialog(mainWindow);
    });
}

} // namespace tv
