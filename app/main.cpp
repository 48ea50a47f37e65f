// Start-up: one copy only, the random generator seeded once, the main window
// and the dialogs that live for the whole run, then the event loop.
#include "app/AllWindows.h"
#include "app/Random.h"
#include "app/SingleInstance.h"
#include "app/WindowRegistry.h"
#include "app/unitTallyvale.h"
#include "ui/Application.h"

#include <QFileInfo>

int main(int argc, char** argv)
{
    tv::Application app(argc, argv);

    tv::SingleInstanceGuard guard(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    if (!guard.isFirst()) {
        // Another copy runs: bring its window to the front and end.
        guard.notifyFirst();
        return 0;
    }

    tv::rng::seedFromClock();

    auto& registry = tv::WindowRegistry::instance();
    tv::registerAllWindows(registry);

    tv::TfrmTallyvale mainWindow;
    mainWindow.createStartupDialogs();
    QObject::connect(&guard, &tv::SingleInstanceGuard::activationRequested, &mainWindow,
                     &tv::TfrmTallyvale::restoreAndRaise);
    mainWindow.show();
    return app.exec();
}
