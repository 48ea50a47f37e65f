#include "app/Catalogue.h"
#include "app/WindowRegistry.h"
#include "app/unitAdminPassword.h"
#include "app/unitStudentDataEntry.h"
#include "app/unitTallyvale.h"
#include "tests/app/ModalDriver.h"
#include "tests/support/FileHelpers.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "ui/Components.h"
#include "ui/PageControl.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QtTest>

using namespace tv;
using tv::test::readLines;
using tv::test::whenModal;

namespace {

const QLocale kUS(QLocale::English, QLocale::UnitedStates);

const CatalogueEntry& entryNamed(const QString& caption, const QString& tab = {})
{
    for (const CatalogueEntry& e : catalogue())
        if (e.caption == caption && (tab.isEmpty() || e.tab == tab))
            return e;
    throw std::runtime_error("no such entry");
}

// Fills the log-on dialog and submits it, or closes it with the close box.
void answerLogOn(const QString& first, const QString& last, const QString& id)
{
    whenModal([=](QWidget* w) {
        auto* dlg = qobject_cast<TfrmStudentDataEntry*>(w);
        ASSERT_NE(dlg, nullptr);
        dlg->lblEditFirstName->setText(first);
        dlg->lblEditLastName->setText(last);
        QTest::keyClicks(dlg->lblEditID, id);
        dlg->btnSubmit->click();
    });
}

void closeLogOn()
{
    whenModal([](QWidget* w) {
        ASSERT_NE(qobject_cast<TfrmStudentDataEntry*>(w), nullptr);
        w->close();
    });
}

struct MainWindowTest : ::testing::Test {
    QTemporaryDir dir;
    QDateTime now{QDate(2002, 12, 8), QTime(10, 15, 42)};
    WindowRegistry registry;
    std::unique_ptr<TfrmTallyvale> w;
    int opened = 0, destroyed = 0;
    QStringList linesWhenShown, linesWhenDestroyed;
    QStringList openedFiles;

    void SetUp() override
    {
        // A stand-in activity window for every catalogue class: it records
        // the journal as it stood when it opened and closes itself at once.
        for (const CatalogueEntry& e : catalogue()) {
            // Two captions open TfrmCTBS1; a name is registered once.
            if (registry.contains(e.windowClass))
                continue;
            registry.add(e.windowClass, [this](ActivityHost& host) {
                auto* d = new QDialog(host.ownerWindow());
                ++opened;
                EXPECT_EQ(d->parent(), host.ownerWindow());
                QObject::connect(d, &QObject::destroyed, [this] {
                    ++destroyed;
                    linesWhenDestroyed = readLines(w->dataFilePath());
                });
                QTimer::singleShot(0, d, [this, d] {
                    linesWhenShown = readLines(w->dataFilePath());
                    d->accept();
                });
                return d;
            });
        }
        w = std::make_unique<TfrmTallyvale>(
            StudentJournal(dir.path() + QLatin1Char('/'), kUS, [this] { return now; }), &registry);
        w->fileOpener = [this](const QString& path) { openedFiles << path; };
        w->createStartupDialogs();
    }

    void logOn(const QString& first, const QString& last, const QString& id)
    {
        answerLogOn(first, last, id);
        w->FormActivate();
    }

    QStringList dataLines() const { return readLines(w->dataFilePath()); }
};

} // namespace

TEST(Catalogue, TabsAndEntriesInOrder)
{
    QStringList tabs;
    for (const CatalogueTab& t : catalogueTabs())
        tabs << t.caption;
    EXPECT_EQ(tabs, QStringList({"Program Info", "Part 1", "Part2", "Connected Math", "Skills Review",
                                 "Tutorials", "Reference", "Number Theory", "Recreations",
                                 "Practice Problems"}));
    EXPECT_EQ(catalogue().size(), 87u);
    // "Series and Patterns" shares the handler and window of "CTBS Review 1".
    const CatalogueEntry& series = entryNamed(QStringLiteral("Series and Patterns"));
    const CatalogueEntry& ctbs1 = entryNamed(QStringLiteral("CTBS Review 1"));
    EXPECT_EQ(series.handler, ctbs1.handler);
    EXPECT_EQ(series.windowClass, QStringLiteral("TfrmCTBS1"));
    EXPECT_EQ(ctbs1.windowClass, QStringLiteral("TfrmCTBS1"));

    QStringList recorded;
    for (const CatalogueEntry& e : catalogue())
        if (!e.recordName.isEmpty())
            recorded << e.recordName;
    recorded.sort();
    EXPECT_EQ(recorded, QStringList({"Magic Factors", "Mastermind", "Number Property Game", "Pente",
                                     "Reference Definitions", "Reference Formulae", "Tangram"}));
    for (const CatalogueEntry& e : catalogue()) {
        EXPECT_FALSE(e.tab == QLatin1String("Tutorials") && e.subTab == QLatin1String("Percents"));
        EXPECT_NE(e.tab, QStringLiteral("Part2"));
        EXPECT_NE(e.tab, QStringLiteral("Program Info"));
    }
}

TEST(PageControl, CaptionOffsetRoundsHalvesToEven)
{
    EXPECT_EQ(PageControl::captionOffset(123, 40), 42); // 41.5
    EXPECT_EQ(PageControl::captionOffset(123, 42), 40); // 40.5
    EXPECT_EQ(PageControl::captionOffset(123, 41), 41);
    EXPECT_EQ(PageControl::captionOffset(122, 45), 38); // 38.5
    EXPECT_EQ(PageControl::captionOffset(122, 47), 38); // 37.5
}

TEST_F(MainWindowTest, CaptionCarriesTheVersionRecord)
{
    EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Tallyvale - ")));
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("   Version 0.1.1.3   (4 April 02)")));
    EXPECT_EQ(w->centralWidget()->size(), QSize(625, 432));
    EXPECT_EQ(w->mainPageControl->count(), 10);
    EXPECT_EQ(w->PageControlSkillsReview->count(), 5);
    EXPECT_EQ(w->PageControlTutorial->count(), 4);
    EXPECT_EQ(w->MainStatusBar_->statusText(), QStringLiteral("Welcome to Tallyvale "));
    EXPECT_TRUE(w->dataFilePath().endsWith(QStringLiteral("/studentDataFile.Txt")));
    EXPECT_TRUE(w->gradeFilePath().endsWith(QStringLiteral("/studentGradeFile.txt")));
}

TEST_F(MainWindowTest, EveryCaptionStandsOnItsTabAndSubTab)
{
    for (const CatalogueEntry& e : catalogue()) {
        NagLabel* label = w->labelFor(e);
        ASSERT_NE(label, nullptr) << e.caption.toStdString();
        EXPECT_EQ(label->text(), e.caption);
        w->showEntry(e);
        EXPECT_EQ(w->selectedTabCaption(), e.tab);
        // The label lies inside its page.
        QWidget* page = label->parentWidget();
        EXPECT_TRUE(QRect(QPoint(0, 0), page->size()).contains(label->geometry()))
            << e.caption.toStdString();
    }
}

TEST_F(MainWindowTest, FirstActivationWithClosedDialogWritesTheBlockAsNoName)
{
    closeLogOn();
    w->FormActivate();
    EXPECT_FALSE(w->loggedOn());
    EXPECT_EQ(w->firstName(), QStringLiteral("No"));
    EXPECT_EQ(w->selectedTabCaption(), QStringLiteral("Program Info"));
    const QStringList lines = dataLines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[4], QStringLiteral("---->  No Name  LOGGED ON at - 12/8/2002 10:15:42 AM"));
    EXPECT_EQ(lines[5], QStringLiteral("*******"));
    EXPECT_EQ(w->MainStatusBar_->paintedText(), QStringLiteral("Welcome to Tallyvale "));
}

TEST_F(MainWindowTest, LaunchBeforeLogOnAsksAndOpensOnlyOnTheNextClick)
{
    closeLogOn();
    w->FormActivate();
    const CatalogueEntry& pente = entryNamed(QStringLiteral("Pente"));
    answerLogOn(QStringLiteral("Ana"), QStringLiteral("Lopez"), QStringLiteral("1234"));
    w->launch(pente);
    EXPECT_TRUE(w->loggedOn());
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(w->MainStatusBar_->paintedText(), QStringLiteral("Welcome to Tallyvale Ana Lopez"));
    w->launch(pente);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(destroyed, 1);
    // "Entered" stands before the window is shown, "Exited" after it is destroyed.
    EXPECT_EQ(linesWhenShown.last(), QStringLiteral("    Ana Lopez - Entered Pente"));
    EXPECT_EQ(linesWhenDestroyed.last(), QStringLiteral("    Ana Lopez - Entered Pente"));
    EXPECT_EQ(dataLines().last(), QStringLiteral("    Ana Lopez - Exited Pente"));
}

TEST_F(MainWindowTest, OnlyTheSevenRecordedEntriesWrite)
{
    logOn(QStringLiteral("Ana"), QStringLiteral("Lopez"), QStringLiteral("1234"));
    const int before = dataLines().size();
    int recorded = 0;
    for (const CatalogueEntry& e : catalogue()) {
        const int linesBefore = dataLines().size();
        w->launch(e);
        const int added = dataLines().size() - linesBefore;
        if (e.recordName.isEmpty()) {
            EXPECT_EQ(added, 0) << e.caption.toStdString();
        } else {
            EXPECT_EQ(added, 2) << e.caption.toStdString();
            EXPECT_EQ(dataLines().last(), QStringLiteral("    Ana Lopez - Exited ") + e.recordName);
            ++recorded;
        }
    }
    EXPECT_EQ(recorded, 7);
    EXPECT_EQ(opened, int(catalogue().size()));
    EXPECT_EQ(dataLines().size(), before + 14);
}

TEST_F(MainWindowTest, NoRecordIdWritesNothingAtAll)
{
    logOn(QStringLiteral("Test"), QStringLiteral("Pupil"), QStringLiteral("99"));
    EXPECT_TRUE(w->loggedOn());
    w->launch(entryNamed(QStringLiteral("Pente")));
    EXPECT_EQ(opened, 1);
    closeLogOn();
    w->LogOn1Click();
    w->close();
    EXPECT_FALSE(QFile::exists(w->dataFilePath()));
    EXPECT_FALSE(QFile::exists(w->gradeFilePath()));
}

TEST_F(MainWindowTest, LogOffEmptiesTheIdentityAndAsksAgain)
{
    logOn(QStringLiteral("Ana"), QStringLiteral("Lopez"), QStringLiteral("1234"));
    const int before = dataLines().size();
    w->LogOff1Click();
    EXPECT_FALSE(w->loggedOn());
    EXPECT_TRUE(w->studentID().isEmpty());
    EXPECT_EQ(w->MainStatusBar_->paintedText(), QStringLiteral("Welcome to Tallyvale  "));
    EXPECT_EQ(dataLines().size(), before);
    closeLogOn();
    w->launch(entryNamed(QStringLiteral("Order of Operations")));
    EXPECT_EQ(opened, 0);
}

TEST_F(MainWindowTest, LogOnMenuLogsOnEvenWhenTheDialogIsClosed)
{
    closeLogOn();
    w->FormActivate();
    closeLogOn();
    w->LogOn1Click();
    EXPECT_TRUE(w->loggedOn());
    EXPECT_EQ(w->firstName(), QStringLiteral("No"));
    EXPECT_EQ(dataLines().last(), QStringLiteral("---->  No Name  LOGGED ON at - 12/8/2002 10:15:42 AM"));
    w->launch(entryNamed(QStringLiteral("Tangram")));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(dataLines().last(), QStringLiteral("    No Name - Exited Tangram"));
}

TEST_F(MainWindowTest, ClosingWritesTheLogOffLines)
{
    logOn(QStringLiteral("Ana"), QStringLiteral("Lopez"), QStringLiteral("1234"));
    w->show();
    now = QDateTime(QDate(2002, 12, 8), QTime(10, 40, 0));
    EXPECT_TRUE(w->close());
    const QStringList lines = dataLines();
    EXPECT_EQ(lines[lines.size() - 2],
              QStringLiteral("----> 1234 Ana Lopez  LOGGED OFF at - 12/8/2002 10:40:00 AM"));
    EXPECT_EQ(lines.last(), QStringLiteral("**************************"));
}

TEST_F(MainWindowTest, AFailedWriteAbandonsTheOperation)
{
    logOn(QStringLiteral("Ana"), QStringLiteral("Lopez"), QStringLiteral("1234"));
    test::ScriptedMessageBoxes boxes;
    // Make the data file unwritable by putting a folder where it should be.
    QFile::remove(w->dataFilePath());
    ASSERT_TRUE(QDir().mkdir(w->dataFilePath()));
    const CatalogueEntry& pente = entryNamed(QStringLiteral("Pente"));
    NagLabel* label = w->labelFor(pente);
    w->showEntry(pente);
    w->show();
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_EQ(boxes.errors[0], QStringLiteral("I/O error 21"));
    // The closing fails too and the window stays open.
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(boxes.errors.size(), 2);
    QDir().rmdir(w->dataFilePath());
    EXPECT_TRUE(w->close());
}

TEST_F(MainWindowTest, AdministratorSignOn)
{
    auto signOn = [&](const QString& typed, bool closeBox) {
        whenModal([=](QWidget* m) {
            auto* dlg = qobject_cast<TfrmAdminPassword*>(m);
            ASSERT_NE(dlg, nullptr);
            if (!typed.isNull())
                dlg->editPassWord->setText(typed);
            if (closeBox)
                dlg->close();
            else
                dlg->NAGButton1->click();
        });
        w->SignOn1Click();
    };
    w->CheckFiles1Click();
    EXPECT_TRUE(openedFiles.isEmpty());
    signOn(QStringLiteral("Marigold"), false);
    EXPECT_FALSE(w->adminSignedOn());
    signOn(QStringLiteral("marigold "), false);
    EXPECT_FALSE(w->adminSignedOn());
    signOn(QStringLiteral("marigold"), true); // the close box signs on as well
    EXPECT_TRUE(w->adminSignedOn());
    signOn(QString(), false); // reopened and closed without typing: still signed on
    EXPECT_TRUE(w->adminSignedOn());
    w->CheckFiles1Click();
    ASSERT_EQ(openedFiles.size(), 1);
    EXPECT_EQ(openedFiles[0], w->dataFilePath());
}

TEST_F(MainWindowTest, AdministratorDialogOpensWithTheFocusInThePasswordBox)
{
    for (int opening = 1; opening <= 2; ++opening) {
        QWidget* focused = nullptr;
        whenModal([&](QWidget* m) {
            auto* dlg = qobject_cast<TfrmAdminPassword*>(m);
            ASSERT_NE(dlg, nullptr);
            focused = dlg->focusWidget();
            // Leave by tabbing to Exit and pressing it, so Exit holds the focus at closing.
            dlg->NAGButton1->setFocus();
            QTest::keyClick(dlg->NAGButton1, Qt::Key_Space);
        });
        w->SignOn1Click();
        ASSERT_NE(w->adminDialog, nullptr);
        EXPECT_EQ(focused, w->adminDialog->editPassWord) << "opening " << opening;
    }
}

TEST_F(MainWindowTest, HiddenClickAreasOpenTheJournalFiles)
{
    w->show();
    QTest::mouseClick(w->Image5, Qt::LeftButton);
    QTest::mouseClick(w->Image6, Qt::LeftButton);
    ASSERT_EQ(openedFiles.size(), 2);
    // The temp folder's files, the grade file named with a capital "T" here.
    EXPECT_EQ(openedFiles[0], dir.path() + QStringLiteral("/studentDataFile.Txt"));
    EXPECT_EQ(openedFiles[1], dir.path() + QStringLiteral("/studentGradeFile.Txt"));
    EXPECT_EQ(w->Image5->size(), QSize(17, 25));
    EXPECT_EQ(w->Image6->size(), QSize(33, 25));
}

TEST_F(MainWindowTest, LogOnValidationAndEnterOrder)
{
    TfrmStudentDataEntry* dlg = w->logOnDialog;
    bool checked = false;
    whenModal([&](QWidget*) {
        // The dialog takes the focus once the window system activates it,
        // which a loaded machine may do a little after it is shown.
        QTest::qWaitFor([&] { return dlg->lblEditFirstName->hasFocus(); }, 5000);
        // Enter walks first -> last -> ID -> Submit.
        EXPECT_TRUE(dlg->lblEditFirstName->hasFocus());
        QTest::keyClick(dlg->lblEditFirstName, Qt::Key_Return);
        EXPECT_TRUE(dlg->lblEditLastName->hasFocus());
        QTest::keyClick(dlg->lblEditLastName, Qt::Key_Return);
        EXPECT_TRUE(dlg->lblEditID->hasFocus());
        QTest::keyClick(dlg->lblEditID, Qt::Key_Return);
        EXPECT_TRUE(dlg->btnSubmit->hasFocus());
        EXPECT_TRUE(dlg->isVisible()); // Enter in the boxes never submits

        // Digits only, seven at most.
        QTest::keyClicks(dlg->lblEditID, QStringLiteral("12ab345678"));
        EXPECT_EQ(dlg->lblEditID->value(), QStringLiteral("1234567"));
        dlg->lblEditID->clear();

        dlg->lblEditFirstName->setText(QStringLiteral("A"));
        dlg->lblEditLastName->setText(QStringLiteral("  "));
        dlg->btnSubmit->click();
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(w->MainStatusBar_->paintedText(),
                  QStringLiteral("Please Enter ALL information correctly"));
        QTest::keyClicks(dlg->lblEditID, QStringLiteral("7"));
        dlg->btnSubmit->click();
        EXPECT_FALSE(dlg->isVisible());
        checked = true;
    });
    w->FormActivate();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(w->loggedOn());
    EXPECT_EQ(w->lastName(), QStringLiteral("  "));
    EXPECT_EQ(w->studentID(), QStringLiteral("7"));
    EXPECT_EQ(w->MainStatusBar_->paintedText(), QStringLiteral("Welcome to Tallyvale A   "));
    // Shown again, the boxes are empty.
    bool emptied = false;
    whenModal([&](QWidget*) {
        emptied = dlg->lblEditFirstName->text().isEmpty() && dlg->lblEditID->value().isEmpty();
        dlg->close();
    });
    w->LogOn1Click();
    EXPECT_TRUE(emptied);
}

TEST(LogOnDialog, TabOrderIsNamesSubmitId)
{
    StudentIdentity who;
    TfrmStudentDataEntry dlg(nullptr, who, [](const QString&) {});
    EXPECT_EQ(dlg.lblEditFirstName->nextInFocusChain(), dlg.lblEditLastName);
    EXPECT_EQ(dlg.lblEditLastName->nextInFocusChain(), dlg.btnSubmit);
    EXPECT_EQ(dlg.btnSubmit->nextInFocusChain(), dlg.lblEditID);
    EXPECT_EQ(dlg.size(), QSize(426, 221));
}

TEST(LogOnDialog, ASevenDigitIdIsShownWhole)
{
    StudentIdentity who;
    TfrmStudentDataEntry dlg(nullptr, who, [](const QString&) {});
    MaskEdit* box = dlg.lblEditID;
    EXPECT_EQ(box->size(), QSize(47, 23)); // the box keeps its size

    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    // The line edit keeps 2 px free on each side of its text.
    EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(QStringLiteral("8888888")),
              contents.width() - 4 - box->textMargins().left() - box->textMargins().right());

    // Typed and painted with the caret after the last digit, the first digit
    // still stands at the left edge: nothing scrolled out of sight.
    dlg.show();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("8888888"));
    box->grab();
    EXPECT_EQ(box->value(), QStringLiteral("8888888"));
    EXPECT_EQ(box->cursorPositionAt(QPoint(contents.left() + 3, box->height() / 2)), 0);
    EXPECT_EQ(box->cursorPositionAt(QPoint(contents.right() - 3, box->height() / 2)), 7);
}
