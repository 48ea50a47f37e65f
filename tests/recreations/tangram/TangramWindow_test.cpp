// The Tangram window: its look, the first activation acting as "Load
// figures", the caption, the buttons, broken files, and every figure of our
// sets solved through real mouse and key events ending in "You did it!".
#include "app/WindowRegistry.h"
#include "recreations/tangram/U_tangram2.h"
#include "tests/recreations/tangram/TangramTestData.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace tv {
void registerTangramWindows(WindowRegistry& registry);
}

using namespace tv::tangram;
using namespace tv::tangram::test;

namespace {

// Answers the open-file dialog with the paths queued, then with Cancel.
struct ScriptedChooser final : FigureFileChooser {
    void choose(QWidget*, const QString& t, const QString& f, const QString& d,
                std::function<void(const QString&)> chosen) override
    {
        ++asked;
        title = t;
        filter = f;
        folder = d;
        chosen(answers.isEmpty() ? QString() : answers.takeFirst());
    }
    QStringList answers;
    int asked = 0;
    QString title, filter, folder;
};

void saveSnapshot(QWidget& w, const char* name)
{
    const QByteArray dir = qgetenv("TV_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

// Public: the scripted student drives the window through the fixture.
class TangramWindow : public ::testing::Test {
public:
    // Shows the window; its first activation asks for `firstFile` (none: Cancel).
    void open(const char* firstFile = nullptr)
    {
        w = std::make_unique<TfrmTangram>(&host.owner);
        w->setFileChooser(&chooser);
        if (firstFile)
            chooser.answers << dataPath(firstFile);
        w->Board->movePointer = [this](QPoint global) { pointer_ = w->Board->mapFromGlobal(global); };
        w->Board->beep = [this] { ++beeps; };
        tv::test::showActive(*w);
    }

    // The driver the scripted student uses: real events on the board widget.
    const tTangram& board() const { return *w->Board->board(); }
    void press(QPoint p, Button button)
    {
        pointer_ = p;
        QTest::mouseClick(w->Board, button == Button::Left ? Qt::LeftButton : Qt::RightButton, {}, p);
    }
    void move(QPoint p)
    {
        pointer_ = p;
        QMouseEvent event(QEvent::MouseMove, QPointF(p), QPointF(w->Board->mapToGlobal(p)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w->Board, &event);
    }
    void key(int code)
    {
        if (code == KeyNumpad6)
            QTest::keyClick(w.get(), Qt::Key_6, Qt::KeypadModifier);
        else
            QTest::keyClick(w.get(), Qt::Key_F);
    }
    QPoint pointer() const { return pointer_; }

    int doneMessages() const { return int(boxes.infos.count(QStringLiteral("You did it!"))); }

    tv::test::FakeActivityHost host;
    tv::test::ScriptedMessageBoxes boxes;
    ScriptedChooser chooser;
    std::unique_ptr<TfrmTangram> w;
    QPoint pointer_;
    int beeps = 0;
};

} // namespace

TEST(TangramRegistration, MadeByClassNameAndOwnedByTheMainWindow)
{
    tv::WindowRegistry registry;
    tv::registerTangramWindows(registry);
    ASSERT_TRUE(registry.contains(QStringLiteral("TfrmTangram")));
    tv::test::FakeActivityHost host;
    std::unique_ptr<QDialog> window(registry.create(QStringLiteral("TfrmTangram"), host));
    ASSERT_NE(qobject_cast<TfrmTangram*>(window.get()), nullptr);
    EXPECT_EQ(window->parent(), &host.owner);
}

TEST_F(TangramWindow, LooksAsDescribedBeforeAnyFile)
{
    w = std::make_unique<TfrmTangram>(&host.owner);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TANGRAM "));
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(0xE7, 0xDA, 0xAF));
    EXPECT_EQ(w->pnlButtons->palette().color(QPalette::Window), QColor(0xFD, 0xE7, 0xA4));
    EXPECT_EQ(w->lblStatus->text(),
              QStringLiteral("  Left click to select or deselect a piece.  Move mouse to drag selected.  Right click "
                             "to rotate    F key to flip"));
    EXPECT_TRUE(w->lblStatus->font().bold());
    EXPECT_FALSE(w->imgDecoration->pixmap().isNull());

    chooser.answers.clear();
    w->setFileChooser(&chooser);
    tv::test::showActive(*w);
    EXPECT_TRUE(w->isMaximized());
    EXPECT_EQ(w->pnlButtons->width(), 134);
    EXPECT_EQ(w->pnlButtons->geometry().right(), w->width() - 1);
    EXPECT_EQ(w->Board->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(w->Board->geometry().right() + 1, w->pnlButtons->x());
    EXPECT_EQ(w->Board->geometry().bottom() + 1, w->lblStatus->y());
    const QPushButton* order[] = {w->btnLoad, w->btnNext, w->btnPrevious, w->btnRestart, w->btnExit};
    const char* captions[] = {"Load figures", "Next", "Previous", "Restart", "Exit"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(order[i]->text(), QString::fromLatin1(captions[i]));
        if (i > 0) {
            EXPECT_GT(order[i]->y(), order[i - 1]->y());
        }
    }
    EXPECT_GT(w->imgDecoration->y(), w->btnExit->y());
    saveSnapshot(*w, "Tangram-empty");
}

TEST_F(TangramWindow, FirstActivationAsksForAFileAndCancelLeavesTheBoardEmpty)
{
    open();
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(chooser.title, QStringLiteral("Select a figures file"));
    EXPECT_EQ(chooser.filter, QStringLiteral("Tangram figure file|*.tan|All files|*.*"));
    EXPECT_EQ(chooser.folder, QCoreApplication::applicationDirPath());
    EXPECT_EQ(toolkitFilter(chooser.filter), QStringLiteral("Tangram figure file (*.tan);;All files (*.*)"));
    ASSERT_NE(w->Board->board(), nullptr);
    EXPECT_EQ(w->Board->board()->Unit(), (w->Board->width() - 2 * w->Board->width() / 3) / 18);
    EXPECT_FALSE(board().hasFigures());
    for (QPushButton* b : {w->btnNext, w->btnPrevious, w->btnRestart})
        tv::test::click(b);
    press(QPoint(20, 20), Button::Left);
    key(KeyF);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TANGRAM "));
    EXPECT_TRUE(boxes.errors.isEmpty());
    // Activating again does not ask again.
    w->hide();
    tv::test::showActive(*w);
    EXPECT_EQ(chooser.asked, 1);
}

// Pixels of the play area (frame and divider left out) not in the window colour.
int markedPixels(QWidget* board, int divider)
{
    const QImage image = board->grab().toImage();
    int marked = 0;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < divider - 2; ++x)
            marked += QColor(image.pixel(x, y)) != QColor(0xE7, 0xDA, 0xAF);
    return marked;
}

TEST_F(TangramWindow, AnEmptyBoardSaysWhereThePuzzlesComeFromAndIsMadeAgainAtItsFinalSize)
{
    open();
    EXPECT_GT(markedPixels(w->Board, board().divider()), 200) << "the hint is painted";
    // The window manager shrinks or grows the window after the first activation.
    w->setWindowState(Qt::WindowNoState);
    w->resize(1000, 700);
    QCoreApplication::processEvents();
    ASSERT_NE(board().geometry().width, w->Board->width());
    chooser.answers << dataPath("classic.tan");
    tv::test::click(w->btnLoad);
    EXPECT_EQ(board().geometry().width, w->Board->width());
    EXPECT_EQ(board().geometry().height, w->Board->height());
    ASSERT_TRUE(board().hasFigures());
    // With figures the board keeps its size: pieces never jump under the student.
    const int loadedWidth = board().geometry().width;
    w->resize(900, 650);
    QCoreApplication::processEvents();
    chooser.answers << dataPath("no such file.tan");
    tv::test::click(w->btnLoad);
    EXPECT_EQ(board().geometry().width, loadedWidth);
    EXPECT_EQ(board().figureCount(), 3);
}

TEST_F(TangramWindow, CaptionNamesTheFileAndFigureAndTheButtonsWrap)
{
    open("classic.tan");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TANGRAM - CLASSIC.TAN,  Figure 1 of 3"));
    saveSnapshot(*w, "Tangram-loaded");
    const struct {
        QPushButton* button;
        int figure;
    } steps[] = {{w->btnNext, 2}, {w->btnNext, 3}, {w->btnNext, 1}, {w->btnPrevious, 3}, {w->btnPrevious, 2}};
    for (const auto& s : steps) {
        tv::test::click(s.button);
        EXPECT_EQ(board().CurrentFigure(), s.figure);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("TANGRAM - CLASSIC.TAN,  Figure %1 of 3").arg(s.figure));
    }
    chooser.answers << dataPath("single.tan");
    tv::test::click(w->btnLoad);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TANGRAM - SINGLE.TAN,  Figure 1 of 1"));
    tv::test::click(w->btnNext);
    tv::test::click(w->btnPrevious);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TANGRAM - SINGLE.TAN,  Figure 1 of 1"));
    tv::test::click(w->btnLoad); // Cancel: nothing changes
    EXPECT_EQ(board().figureCount(), 1);
}

TEST_F(TangramWindow, ABrokenFileIsExplainedAndTheBoardKeepsItsFigure)
{
    open("classic.tan");
    tv::test::click(w->btnNext);
    press(grabPoint(board(), 2), Button::Left);
    const QString title = w->windowTitle();
    chooser.answers << dataPath("no such file.tan");
    tv::test::click(w->btnLoad);
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_EQ(boxes.errors[0], QStringLiteral("The figures file \"no such file.tan\" could not be found."));
    EXPECT_EQ(w->windowTitle(), title);
    EXPECT_EQ(board().figureCount(), 3);
    EXPECT_EQ(board().CurrentFigure(), 2);
    EXPECT_EQ(board().Selected(), 2);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(TangramWindow, EveryFigureIsSolvedWithMouseAndKeysEndingInYouDidIt)
{
    int figures = 0;
    for (const char* file : {"classic.tan", "odd.tan"}) {
        if (!w)
            open(file);
        else {
            chooser.answers << dataPath(file);
            tv::test::click(w->btnLoad);
        }
        for (int f = 1; f <= board().figureCount(); ++f) {
            ASSERT_EQ(board().CurrentFigure(), f);
            const int before = doneMessages();
            solveCurrentFigure(*this);
            EXPECT_EQ(doneMessages(), before + 1) << file << " figure " << f;
            if (f == 2)
                saveSnapshot(*w, QByteArray(file) == "classic.tan" ? "Tangram-solved" : "Tangram-solved-odd");
            tv::test::click(w->btnNext);
            ++figures;
        }
    }
    EXPECT_EQ(figures, 5);
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(TangramWindow, MidPuzzleARefusedPieceBeepsAndRestartClearsTheBoard)
{
    open("classic.tan");
    tv::test::click(w->btnNext); // the house
    // Two pieces set down on their silhouettes, a third carried, turned and flipped.
    const Tfigpieces& house = board().figures()[1];
    for (int i : {0, 1}) {
        const Tfigpiece& e = house.entries[std::size_t(i)];
        press(grabPoint(board(), i), Button::Left);
        for (int s = stepsForFileTurn(e.turn); s > 0; --s)
            press(pointer(), Button::Right);
        const QPoint to(e.x * board().Unit(), e.y * board().Unit());
        move(pointerFor(board().pieces()[std::size_t(i)].screenCenter, to, board().Unit()));
        press(pointer(), Button::Left);
    }
    EXPECT_EQ(board().PlacedCount(), 2);
    press(grabPoint(board(), 2), Button::Right);
    key(KeyF);
    const int u = board().Unit();
    move(pointerFor(board().pieces()[2].screenCenter, QPoint(16 * u, 28 * u), u));
    press(pointer(), Button::Left); // nowhere near its silhouette
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(board().Selected(), 2);
    saveSnapshot(*w, "Tangram-mid-puzzle");

    tv::test::click(w->btnRestart);
    EXPECT_EQ(board().PlacedCount(), 0);
    EXPECT_EQ(board().Selected(), -1);
    for (int i : {0, 2})
        EXPECT_EQ(board().pieces()[std::size_t(i)].screen, board().homePieces()[std::size_t(i)].screen);
    EXPECT_EQ(board().CurrentFigure(), 2);
}

TEST_F(TangramWindow, ExitClosesTheWindow)
{
    open("odd.tan");
    tv::test::click(w->btnExit);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(TangramWindow, TheRealOpenFileDialogOpensWithoutBlockingAndLoadsTheChosenFile)
{
    w = std::make_unique<TfrmTangram>(&host.owner);
    tv::test::showActive(*w); // the first activation opens the dialog and returns
    auto* dialog = w->findChild<QFileDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select a figures file"));
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{QStringLiteral("Tangram figure file (*.tan)"), QStringLiteral("All files (*.*)")}));
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(QCoreApplication::applicationDirPath()).absolutePath());
    emit dialog->fileSelected(dataPath("odd.tan"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TANGRAM ")) << "read only after the dialog's own event";
    dialog->reject();
    QCoreApplication::processEvents();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TANGRAM - ODD.TAN,  Figure 1 of 2"));
}
