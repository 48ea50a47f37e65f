// Writes a PNG of every window into a folder, headless: the main window on
// each tab and sub-tab, the log-on and administrator dialogs, and every
// registered activity window as it first appears; a window with a document
// also once scrolled to each of its pictures, and a reference document at its
// end.
//
//   tallyvale-snapshot [folder] [class-name-filter]
#include "app/AllWindows.h"
#include "app/WindowRegistry.h"
#include "app/unitAdminPassword.h"
#include "app/unitStudentDataEntry.h"
#include "app/unitTallyvale.h"
#include "ui/Application.h"
#include "ui/PageControl.h"
#include "sheets/RichDocument.h"
#include "sheets/SheetPicture.h"
#include "sheets/unitMasterTest.h"

#include <QDialog>
#include <QScrollBar>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void save(QWidget* w, const QString& folder, const QString& name)
{
    settle();
    QString file = name;
    file.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char(' '), QLatin1Char('_'));
    const QString path = QDir(folder).filePath(file + QStringLiteral(".png"));
    // The frame is the window manager's; grab the window's own contents.
    if (!w->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tv::Application app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    const QString filter = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(folder);

    auto& registry = tv::WindowRegistry::instance();
    tv::registerAllWindows(registry);

    tv::TfrmTallyvale mainWindow;
    mainWindow.createStartupDialogs();
    // A snapshot run is no visit: no log-on, nothing written to the journal.
    mainWindow.activateOnShow = false;

    if (filter.isEmpty()) {
        // The main window without its first activation (which asks for a log-on).
        mainWindow.show();
        tv::PageControl* tabs = mainWindow.mainPageControl;
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            const QString tab = tabs->tabCaption(i);
            tv::PageControl* sub = tab == QLatin1String("Skills Review") ? mainWindow.PageControlSkillsReview
                                 : tab == QLatin1String("Tutorials")     ? mainWindow.PageControlTutorial
                                                                         : nullptr;
            if (!sub) {
                save(&mainWindow, folder, QStringLiteral("main ") + QString::number(i) + QLatin1Char(' ') + tab);
                continue;
            }
            for (int j = 0; j < sub->count(); ++j) {
                sub->setCurrentIndex(j);
                save(&mainWindow, folder,
                     QStringLiteral("main ") + QString::number(i) + QLatin1Char(' ') + tab
                         + QLatin1Char(' ') + sub->tabCaption(j));
            }
        }
        mainWindow.logOnDialog->show();
        save(mainWindow.logOnDialog, folder, QStringLiteral("TfrmStudentDataEntry"));
        mainWindow.logOnDialog->hide();
        mainWindow.adminDialog->show();
        save(mainWindow.adminDialog, folder, QStringLiteral("TfrmAdminPassword"));
        mainWindow.adminDialog->hide();
    }

    for (const QString& name : registry.classNames()) {
        if (!filter.isEmpty() && !name.contains(filter))
            continue;
        try {
            std::unique_ptr<QDialog> window(registry.create(name, mainWindow));
            if (!window)
                continue;
            window->show();
            save(window.get(), folder, name);
            // A document's pictures where they stand in the text, each
            // scrolled to the top of the view; a reference document (not a
            // sheet) also at its end.
            auto* sheet = qobject_cast<tv::TfrmTestMaster*>(window.get());
            if (auto* doc = sheet ? sheet->RV : window->findChild<tv::RichDocument*>()) {
                int n = 0;
                QScrollBar* bar = doc->verticalScrollBar();
                for (QWidget* c : doc->controls())
                    if (qobject_cast<tv::SheetPicture*>(c)) {
                        settle();
                        bar->setValue(bar->value() + c->y() - 40);
                        save(window.get(), folder, name + QStringLiteral(" picture ") + QString::number(++n));
                    }
                if (!sheet) {
                    bar->setValue(bar->maximum());
                    save(window.get(), folder, name + QStringLiteral(" end"));
                }
            }
            window->hide();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), e.what());
        }
    }
    // The windows were only looked at: end at once, without tearing down
    // the platform libraries' caches.
    std::fflush(stdout);
    std::_Exit(0);
}
