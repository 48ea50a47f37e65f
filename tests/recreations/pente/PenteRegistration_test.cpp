// The board window is made by class name, and every board window shares the
// New Game and About dialogs made once at start-up.
#include "app/WindowRegistry.h"
#include "recreations/pente/AboutU.h"
#include "recreations/pente/NewGameU.h"
#include "recreations/pente/unitPenteMain.h"
#include "tests/support/FakeActivityHost.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace tv {
void registerPenteWindows(WindowRegistry& registry);
}

using namespace tv::pente;

TEST(PenteRegistration, BoardWindowsShareTheStartUpDialogs)
{
    tv::WindowRegistry registry;
    tv::registerPenteWindows(registry);
    tv::test::FakeActivityHost host;
    registry.runStartupHooks(&host.owner);
    ASSERT_NE(frmNewGame, nullptr);
    ASSERT_NE(frmAbout, nullptr);
    EXPECT_EQ(frmAbout->parent(), &host.owner);
    TfrmNewGame* made = frmNewGame;
    registry.runStartupHooks(&host.owner); // never a second copy
    EXPECT_EQ(frmNewGame, made);

    for (int i = 0; i < 2; ++i) {
        std::unique_ptr<QDialog> window(registry.create(QStringLiteral("TfrmMain"), host));
        auto* board = qobject_cast<TfrmMain*>(window.get());
        ASSERT_NE(board, nullptr);
        EXPECT_EQ(board->parent(), &host.owner);
        QWidget* shown = nullptr;
        QTimer::singleShot(0, [&] {
            shown = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<TfrmNewGame*>(shown))
                dialog->btnOK->click();
        });
        board->NewGame1->trigger();
        EXPECT_EQ(shown, made);
        EXPECT_NE(board->game(), nullptr);
    }
    delete frmNewGame.data();
    delete frmAbout.data();
}
