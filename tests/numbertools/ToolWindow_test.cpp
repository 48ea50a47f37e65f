// What every number-tool window has from its base: the first-showing hook
// and an Exit that closes it.
#include "app/WindowRegistry.h"
#include "numbertools/RegisterNumberTools.h"
#include "numbertools/ToolWindow.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QStringList>

#include <memory>

using namespace tv;

namespace {

struct CountingTool : toolwindow::ToolDialog {
    int activations = 0;
    void FormActivate() override { ++activations; }
};

} // namespace

TEST(ToolDialog, FormActivateRunsOnceOnTheFirstShowing)
{
    CountingTool w;
    EXPECT_EQ(w.activations, 0);
    test::showAndWait(w);
    EXPECT_EQ(w.activations, 1);
    w.hide();
    test::showAndWait(w);
    EXPECT_EQ(w.activations, 1);
}

TEST(ToolWindows, EachIsAToolDialogAndItsOneExitClosesIt)
{
    WindowRegistry registry;
    registerNumberToolsWindows(registry);
    test::FakeActivityHost host;
    QStringList withoutExit;
    for (const QString& name : registry.classNames()) {
        SCOPED_TRACE(name.toStdString());
        std::unique_ptr<QDialog> w(registry.create(name, host));
        ASSERT_NE(qobject_cast<toolwindow::ToolDialog*>(w.get()), nullptr);
        test::showAndWait(*w);
        QList<QPushButton*> exits;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Exit"))
                exits << b;
        if (exits.isEmpty()) {
            withoutExit << name;
            w->close();
            continue;
        }
        ASSERT_EQ(exits.size(), 1);
        test::click(exits[0]);
        EXPECT_FALSE(w->isVisible());
    }
    withoutExit.sort();
    // These windows close only by their close box.
    EXPECT_EQ(withoutExit, QStringList({QStringLiteral("TFormBuffon"), QStringLiteral("TfrmLucas"),
                                        QStringLiteral("TfrmReferencePrimeFactoring")}));
}
