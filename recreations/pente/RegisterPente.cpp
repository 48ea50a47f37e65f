#include "app/ActivityHost.h"
#include "app/WindowRegistry.h"
#include "recreations/pente/AboutU.h"
#include "recreations/pente/NewGameU.h"
#include "recreations/pente/unitPenteMain.h"

namespace tv {

void registerPenteWindows(WindowRegistry& registry)
{
    registry.addOwned<pente::TfrmMain>();
    // The New Game and About dialogs live for the whole run, owned by the
    // main window, and every board window reuses them.
    registry.addStartupHook([](QWidget* mainWindow) {
        if (!pente::frmNewGame)
            pente::frmNewGame = new pente::TfrmNewGame(mainWindow);
        if (!pente::frmAbout)
            pente::frmAbout = new pente::TfrmAbout(mainWindow);
    });
}

} // namespace tv
