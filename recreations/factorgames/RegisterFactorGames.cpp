#include "app/WindowRegistry.h"
#include "recreations/factorgames/unitLevels.h"
#include "recreations/factorgames/unitNumberPropertyGame.h"
#include "recreations/factorgames/unitRecreationMagicFactors.h"

namespace tv {

void registerFactorGamesWindows(WindowRegistry& registry)
{
    registry.addOwned<factors::TfrmRecreationMagicFactors>();
    registry.addOwned<factors::TfrmNumberPropertyGame>();
    // The Maximum Factors window lives for the whole run, owned by the main
    // window; every Magic Factors window shows that one.
    registry.addStartupHook([](QWidget* mainWindow) {
        if (!factors::Form2)
            factors::Form2 = new factors::TForm2(mainWindow);
    });
}

} // namespace tv
