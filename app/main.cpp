#include "app/WindowRegistry.h"
#include "grapher/RegisterGrapher.h"
#include "numbertools/RegisterNumberTools.h"
#include "recreations/RegisterRecreations.h"
#include "sheets/RegisterSheets.h"
#include "ui/Application.h"

#include <QWidget>

int main(int argc, char** argv)
{
    tv::Application app(argc, argv);
    auto& registry = tv::WindowRegistry::instance();
    tv::registerNumberToolsWindows(registry);
    tv::registerRecreationsWindows(registry);
    tv::registerSheetsWindows(registry);
    tv::registerGrapherWindows(registry);
    QWidget w;
    w.show();
    return app.exec();
}
