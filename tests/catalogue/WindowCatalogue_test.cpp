// Every window the program registers, against the catalogue: a registered
// class must be a catalogue class, and a catalogue class is either
// registered and builds headless with a stand-in main window, or stands on
// the one list of windows not built yet. Registering a listed window fails
// here until it leaves the list, so the list cannot go stale.
#include "app/AllWindows.h"
#include "app/Catalogue.h"
#include "app/WindowRegistry.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <memory>
#include <ostream>
#include <string>

// Failure messages name the window instead of dumping the string's bytes.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {

// Catalogue windows that nobody has built yet, by tab.
const char* const kNotBuiltYet[] = {
        // Part 1
        "TfrmCTBS1", "TfrmAddingDecimals", "TfrmDecimalFractionPercent",
        // Connected Math
        "TfrmBitsAndPieces2_1", "TfrmBitsAndPieces2_2",
        // Skills Review
        "TfrmCTBS6", "TfrmCTBS2", "TfrmCTBS3", "TfrmCTBSFractionsDecimalsPercents",
        "TfrmCTBSFractionsDecimalsPercents1", "TfrmCTBS9", "TfrmCTBS7", "TfrmCTBS8", "TfrmCTBS5",
        "TfrmCTBS4", "TfrmCTBS10", "TfrmCTBS11",
        // Tutorials
        "TfrmTutorialFactors", "TfrmTutorialGCF", "TfrmTutorialLowestCommonMultiple",
        "TfrmTutorialReducingFractions", "TfrmTutorialEqFractions", "TfrmTutorialEquivalentDenominators",
        "TfrmTutorialAddingFractions", "TfrmTutorialSubtractingFractions",
        "TfrmTutorialMultiplyingFractions", "TfrmTutorialDividingFractions", "TfrmTutorialAddMixedNumbers",
        "TfrmTutorialAddDecimals", "TfrmTutorialProportion", "TfrmTutorialNumberSense",
        "TfrmTutorialPlaceValue", "TfrmTutorialPracticalDecimals", "TfrmTutorialOrderOfOperations",
        "TfrmTutorialSignedNumbers",
};

const QStringList& notBuiltYet()
{
    static const QStringList names = [] {
        QStringList list;
        for (const char* name : kNotBuiltYet)
            list << QString::fromLatin1(name);
        return list;
    }();
    return names;
}

// Each window class of the catalogue once, in catalogue order.
QStringList catalogueClasses()
{
    QStringList names;
    for (const tv::CatalogueEntry& entry : tv::catalogue())
        if (!names.contains(entry.windowClass))
            names << entry.windowClass;
    return names;
}

// The program's own registration, with the start-up windows (Pente's New
// Game and About dialogs) made on the stand-in main window first.
class ProgramWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        host = new tv::test::FakeActivityHost;
        registry = new tv::WindowRegistry;
        tv::registerAllWindows(*registry);
        registry->runStartupHooks(host->ownerWindow());
    }
    static void TearDownTestSuite()
    {
        delete registry;
        registry = nullptr;
        delete host; // takes the start-up windows with it
        host = nullptr;
    }

    static inline tv::test::FakeActivityHost* host = nullptr;
    static inline tv::WindowRegistry* registry = nullptr;
};

TEST_F(ProgramWindows, EveryRegisteredWindowIsACatalogueWindow)
{
    const QStringList catalogued = catalogueClasses();
    const QStringList registered = registry->classNames();
    EXPECT_FALSE(registered.isEmpty());
    for (const QString& name : registered)
        EXPECT_TRUE(catalogued.contains(name))
            << name.toStdString() << " is registered but no catalogue entry opens it";
}

TEST_F(ProgramWindows, NotBuiltListNamesEachCatalogueWindowOnce)
{
    const QStringList catalogued = catalogueClasses();
    for (const QString& name : notBuiltYet()) {
        EXPECT_TRUE(catalogued.contains(name))
            << name.toStdString() << " is on the not-built list but not in the catalogue";
        EXPECT_EQ(notBuiltYet().count(name), 1) << name.toStdString();
    }
}

class CatalogueWindow : public ProgramWindows, public ::testing::WithParamInterface<QString> {};

TEST_P(CatalogueWindow, IsBuiltOrStandsOnTheNotBuiltList)
{
    const QString name = GetParam();
    if (notBuiltYet().contains(name)) {
        EXPECT_FALSE(registry->contains(name))
            << name.toStdString() << " is registered now: take it off the not-built list";
        return;
    }
    ASSERT_TRUE(registry->contains(name))
        << name.toStdString() << " is neither registered nor on the not-built list";

    // Message boxes and the program's error box are answered and recorded
    // instead of shown; a dialog a window opens modally is closed again.
    tv::test::ScriptedMessageBoxes boxes;
    QTimer closeModal;
    QObject::connect(&closeModal, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closeModal.start(50);

    std::unique_ptr<QDialog> window;
    ASSERT_NO_THROW(window.reset(registry->create(name, *host)));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(tv::WindowRegistry::bareClassName(window->metaObject()->className()), name);
    // The launch rule: every activity window is owned by the main window.
    EXPECT_EQ(window->parentWidget(), host->ownerWindow());

    EXPECT_NO_THROW({
        window->show();
        QApplication::processEvents();
    });
    EXPECT_TRUE(window->isVisible());
    EXPECT_NO_THROW({
        window->close();
        QApplication::processEvents();
        window.reset();
    });
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueWindow, ::testing::ValuesIn(catalogueClasses()),
                         [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

} // namespace
