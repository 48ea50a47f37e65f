#include "app/WindowRegistry.h"
#include "recreations/mastermind/MastermindDialogs.h"
#include "recreations/mastermind/U_Mastermind.h"

namespace tv {

void registerMastermindWindows(WindowRegistry& registry)
{
    registry.addOwned<mastermind::TForm1>();
    // The options, secret pattern, colour chart and log windows live for the
    // whole run, owned by the main window, so the options chosen persist.
    registry.addStartupHook([](QWidget* mainWindow) {
        using namespace mastermind;
        if (!GetHiderOptions)
            GetHiderOptions = new TGetHiderOptions(mainWindow);
        if (!PatternDlg)
            PatternDlg = new TPatternDlg(mainWindow);
        if (!ShowPegsDlg)
            ShowPegsDlg = new TShowPegsDlg(mainWindow);
        if (!VerboseForm)
            VerboseForm = new TVerboseForm(mainWindow);
    });
}

} // namespace tv
