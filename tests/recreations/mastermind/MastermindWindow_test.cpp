// The game window driven as the student drives it: the board's holes, the
// buttons, the option and pattern dialogs, every ending and its message,
// and leaving in the middle of a game.
#include "recreations/mastermind/MastermindDialogs.h"
#include "recreations/mastermind/MastermindPegs.h"
#include "recreations/mastermind/U_Mastermind.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"
#include "ui/Components.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstring>
#include <deque>
#include <functional>
#include <memory>

using namespace tv::mastermind;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

PegPattern pat(const char* letters)
{
    PegPattern p;
    for (int i = 0; i < NumPegs; ++i)
        p[i] = static_cast<std::uint8_t>(std::strchr(ColourLetters, letters[i]) - ColourLetters + 1);
    return p;
}

// Answers modal dialogs in order as each one comes up.
class DialogScript {
public:
    DialogScript()
    {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (steps_.empty())
                return;
            if (QApplication::activeModalWidget() == steps_.front().first) {
                auto action = steps_.front().second;
                steps_.pop_front();
                action();
            }
        });
        timer_.start();
    }
    void then(QDialog* dialog, std::function<void()> action) { steps_.emplace_back(dialog, std::move(action)); }
    bool done() const { return steps_.empty(); }

private:
    QTimer timer_;
    std::deque<std::pair<QDialog*, std::function<void()>>> steps_;
};

class MastermindWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        frm = std::make_unique<TForm1>();
        frm->setDialogs(&options, &pattern, &chart, &verbose);
        frm->reseed = [this] { ++reseeds; };
        frm->randomBelow = [this](std::uint32_t n) {
            const std::uint32_t v = randomValues.empty() ? 0 : randomValues.front();
            if (!randomValues.empty())
                randomValues.pop_front();
            return v % n;
        };
        frm->PauseTimer.setInterval(0);
        tv::test::showExposed(*frm);
    }

    void clickBoard(QRect r) { QTest::mouseClick(frm->Board, Qt::LeftButton, {}, r.center()); }
    // Clicks a row's large holes until they show the pattern.
    void setGuess(int row, const char* letters)
    {
        const PegPattern p = pat(letters);
        for (int col = 1; col <= NumPegs; ++col)
            for (int i = 0; i < p[col - 1]; ++i)
                clickBoard(frm->Board->HoleRect(row, col));
    }
    void guess(int row, const char* letters)
    {
        setGuess(row, letters);
        tv::test::click(frm->btnHowDidIDo);
    }
    // Marks a row's score holes: `reds` red, then `whites` white.
    void markScore(int row, int reds, int whites)
    {
        int slot = 1;
        for (int i = 0; i < reds; ++i)
            clickBoard(frm->Board->ScoreSlotRect(row, slot++));
        for (int i = 0; i < whites; ++i, ++slot) {
            clickBoard(frm->Board->ScoreSlotRect(row, slot));
            clickBoard(frm->Board->ScoreSlotRect(row, slot));
        }
    }
    // Starts a computer game with these options; `secret` is set in the
    // pattern dialog by clicks (ignored when the secret is kept).
    void startComputer(ScoringOption scoring, Level level, const char* secret = "RRRR")
    {
        frm->rbComputerSolves->setChecked(true);
        script.then(&options, [this, scoring, level] {
            options.rbScoring[static_cast<std::size_t>(scoring)]->setChecked(true);
            options.rbLevel[static_cast<std::size_t>(int(level) - 1)]->setChecked(true);
            snapshotOf(&options, QStringLiteral("options"));
            options.btnOK->click();
        });
        if (scoring == ScoringOption::KeepSecret) {
            script.then(&chart, [this] {
                snapshotOf(&chart, QStringLiteral("chart"));
                chart.btnOK->click();
            });
        } else {
            script.then(&pattern, [this, secret] {
                const PegPattern want = pat(secret);
                for (int i = 0; i < NumPegs; ++i)
                    while (pattern.pegStrip->colours()[static_cast<std::size_t>(i)] != want[i])
                        QTest::mouseClick(pattern.pegStrip, Qt::LeftButton, {},
                                          pattern.pegStrip->holeRect(i).center());
                snapshotOf(&pattern, QStringLiteral("pattern"));
                pattern.btnOK->click();
            });
        }
        tv::test::click(frm->btnStart);
        EXPECT_TRUE(script.done());
    }
    bool waitIdle() { return QTest::qWaitFor([this] { return frm->state() == TForm1::State::Idle; }, 20000); }
    QString answerShown() const
    {
        PegPattern p;
        for (int i = 0; i < NumPegs; ++i)
            p[i] = static_cast<std::uint8_t>(frm->AnswerStrip->colours()[static_cast<std::size_t>(i)]);
        return PatternLetters(p);
    }
    QString rowLetters(int row) const
    {
        return PatternLetters(PatternOfEntry(frm->game().Guesses[static_cast<std::size_t>(row)].entry));
    }
    Score rowScore(int row) const
    {
        const GuessRecord& r = frm->game().Guesses[static_cast<std::size_t>(row)];
        return Score{r.reds, r.whites};
    }
    // With TV_MASTERMIND_SNAPSHOTS set, the window as it stands is saved there.
    void snapshot(const QString& name) { snapshotOf(frm.get(), name); }
    static void snapshotOf(QWidget* w, const QString& name)
    {
        const QString dir = qEnvironmentVariable("TV_MASTERMIND_SNAPSHOTS");
        if (dir.isEmpty())
            return;
        QDir().mkpath(dir);
        QApplication::processEvents();
        w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    tv::test::ScriptedMessageBoxes boxes;
    TGetHiderOptions options;
    TPatternDlg pattern;
    TShowPegsDlg chart;
    TVerboseForm verbose;
    DialogScript script;
    std::unique_ptr<TForm1> frm;
    std::deque<std::uint32_t> randomValues;
    int reseeds = 0;
};

} // namespace

TEST_F(MastermindWindow, OpensReadyForTheStudentToPickARole)
{
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("Tallyvale - Color Pattern Guess"));
    EXPECT_TRUE(frm->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(frm->palette().color(QPalette::Window), QColor(0xFD, 0xEE, 0xC1));
    EXPECT_EQ(frm->lblTitle->text(), QStringLiteral("Color Pattern Guess"));
    EXPECT_EQ(frm->rgPlayer->title(), QStringLiteral("Pick Player"));
    EXPECT_TRUE(frm->rbHumanSolves->isChecked());
    EXPECT_TRUE(frm->btnStart->isVisible());
    EXPECT_TRUE(frm->btnExit->isVisible());
    EXPECT_EQ(frm->btnGiveUp->geometry(), frm->btnStart->geometry());
    for (QWidget* hidden : std::initializer_list<QWidget*>{frm->btnGiveUp, frm->gbAnswer, frm->btnHowDidIDo,
                                                           frm->lblGuessInstructions, frm->lblScoreInstructions,
                                                           frm->btnEnterScore, frm->cbVerbose, frm->btnShowVerbose})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();

    // Board geometry from its size; a click maps to its cell.
    const TMastermindBoard* b = frm->Board;
    EXPECT_EQ(b->RowHeight(), b->height() / 11);
    EXPECT_EQ(b->ColWidth(), b->width() / 9);
    EXPECT_EQ(b->HoleRect(3, 2).topLeft(), QPoint(b->ColWidth() / 2 + b->ColWidth(), b->RowHeight() / 2 + 2 * b->RowHeight()));
    struct Case {
        QPoint at;
        int row, col, slot;
    };
    const int w = b->ColWidth(), h = b->RowHeight();
    const Case cases[] = {
        {b->HoleRect(1, 1).center(), 1, 1, 0},     {b->HoleRect(10, 4).center(), 10, 4, 0},
        {b->ScoreSlotRect(2, 1).center(), 2, 6, 1}, {b->ScoreSlotRect(2, 2).center(), 2, 6, 2},
        {b->ScoreSlotRect(7, 3).center(), 7, 6, 3}, {b->ScoreSlotRect(7, 4).center(), 7, 6, 4},
        {QPoint(w / 4, h), 0, 0, 0},                {QPoint(w, h / 4), 0, 0, 0},
        {QPoint(w, h / 2 + 10 * h + 1), 0, 0, 0},
    };
    for (const Case& c : cases) {
        int row = -1, col = -1, slot = -1;
        b->MouseToCell(c.at, row, col, slot);
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(col, c.col);
        EXPECT_EQ(slot, c.slot);
    }
    EXPECT_EQ(reseeds, 0); // replaced after construction, which reseeds on its own
}

TEST_F(MastermindWindow, StudentSolves)
{
    randomValues = {0, 1, 2, 3}; // secret red-blue-green-violet
    tv::test::click(frm->btnStart);
    EXPECT_EQ(reseeds, 1);
    EXPECT_EQ(frm->state(), TForm1::State::WaitingForGuess);
    EXPECT_FALSE(frm->btnStart->isEnabled());
    EXPECT_TRUE(frm->btnGiveUp->isVisible());
    EXPECT_TRUE(frm->btnHowDidIDo->isVisible());
    EXPECT_TRUE(frm->lblGuessInstructions->isVisible());
    EXPECT_EQ(frm->lblGuessInstructions->text(),
              QStringLiteral("Click peg holes to pick 4 pegs, then click 'How did I do'  button\r\n"
                             "  Scoring Red, correct color and position-White, correct color."));
    EXPECT_FALSE(frm->gbAnswer->isVisible());

    // A hole cycles through the six colours and back to the first.
    for (int i = 0; i < 7; ++i)
        clickBoard(frm->Board->HoleRect(1, 1));
    EXPECT_EQ(frm->Board->pendingGuess[0], 1);
    // Other rows and the score holes take no guess pegs.
    clickBoard(frm->Board->HoleRect(2, 2));
    clickBoard(frm->Board->ScoreSlotRect(1, 1));
    EXPECT_EQ(frm->Board->pendingGuess, (PegPattern{{1, 0, 0, 0}}));

    // An incomplete guess is refused and nothing is recorded.
    tv::test::click(frm->btnHowDidIDo);
    EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("Click on pegholes to set a pattern\rThen click this button")});
    EXPECT_EQ(frm->game().GuessCount, 0);

    // First guess red-blue-violet-green: 2 reds, 2 whites, the button moves down.
    clickBoard(frm->Board->HoleRect(1, 2));
    clickBoard(frm->Board->HoleRect(1, 2));
    for (int i = 0; i < 4; ++i)
        clickBoard(frm->Board->HoleRect(1, 3));
    for (int i = 0; i < 3; ++i)
        clickBoard(frm->Board->HoleRect(1, 4));
    const int yBefore = frm->btnHowDidIDo->y();
    tv::test::click(frm->btnHowDidIDo);
    EXPECT_EQ(rowLetters(1), QStringLiteral("RBVG"));
    EXPECT_EQ(rowScore(1), (Score{2, 2}));
    EXPECT_EQ(frm->btnHowDidIDo->y() - yBefore, frm->Board->RowHeight());
    EXPECT_EQ(frm->Board->pendingRow, 2);
    snapshot(QStringLiteral("student-guessing"));

    guess(2, "RBGV");
    EXPECT_EQ(boxes.infos.last(), QStringLiteral("You solved it, you win!"));
    EXPECT_EQ(frm->state(), TForm1::State::Idle);
    EXPECT_TRUE(frm->gbAnswer->isVisible());
    EXPECT_EQ(answerShown(), QStringLiteral("RBGV"));
    EXPECT_TRUE(frm->btnStart->isEnabled());
    EXPECT_FALSE(frm->btnGiveUp->isVisible());
    EXPECT_FALSE(frm->btnHowDidIDo->isVisible());
    EXPECT_FALSE(frm->lblGuessInstructions->isVisible());
    snapshot(QStringLiteral("student-solved"));
}

TEST_F(MastermindWindow, StudentRunsOutOfGuessesOrGivesUp)
{
    randomValues = {5, 5, 5, 5}; // light blue x4
    tv::test::click(frm->btnStart);
    for (int row = 1; row <= MaxGuesses; ++row) {
        EXPECT_TRUE(boxes.infos.isEmpty());
        guess(row, "RRBB");
    }
    EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("Too many guesses, I win!")});
    EXPECT_EQ(frm->game().GuessCount, MaxGuesses);
    EXPECT_EQ(answerShown(), QStringLiteral("LLLL"));

    // A new game clears the board and hides the answer; giving up before the
    // first guess still shows the secret.
    randomValues = {4, 3, 2, 1};
    tv::test::click(frm->btnStart);
    EXPECT_FALSE(frm->gbAnswer->isVisible());
    EXPECT_EQ(frm->game().GuessCount, 0);
    tv::test::click(frm->btnGiveUp);
    EXPECT_EQ(boxes.infos.last(), QStringLiteral("You gave up, I win!"));
    EXPECT_TRUE(frm->gbAnswer->isVisible());
    EXPECT_EQ(answerShown(), QStringLiteral("YVGB"));
    EXPECT_EQ(frm->game().GuessCount, 0);
}

TEST_F(MastermindWindow, ComputerScoresItselfAndSolves)
{
    randomValues = {0}; // the first guess at level 3: the first opening, red-red-blue-blue
    startComputer(ScoringOption::SelfScore, Level::Smarter, "GGVY");
    EXPECT_TRUE(frm->gbAnswer->isVisible());
    EXPECT_EQ(answerShown(), QStringLiteral("GGVY"));
    EXPECT_EQ(frm->state(), TForm1::State::Pausing);
    EXPECT_FALSE(frm->btnGiveUp->isVisible());
    EXPECT_EQ(rowLetters(1), QStringLiteral("RRBB"));
    EXPECT_EQ(rowScore(1), (Score{0, 0}));
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(rowLetters(2), QStringLiteral("GGVY"));
    EXPECT_EQ(frm->game().GuessCount, 2);
    EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("Solved it , I win!")});
    EXPECT_TRUE(frm->btnStart->isEnabled());
    snapshot(QStringLiteral("computer-solved"));

    // The pause is one second by default.
    TForm1 fresh;
    EXPECT_EQ(fresh.PauseTimer.interval(), 1000);
}

TEST_F(MastermindWindow, ComputerRightAtOnceAndOutOfGuesses)
{
    // The pattern dialog draws four colours first; then level 2's first
    // guess is entry 1 + random: entry 527 is the secret.
    randomValues = {0, 0, 0, 0, 526};
    startComputer(ScoringOption::SelfScore, Level::Average, "GGVY");
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(frm->game().GuessCount, 1);
    EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("Solved it , I win!")});

    // A secret level 1 does not find in ten guesses from red-red-red-red.
    PegPattern hard;
    TMastermindGame probe;
    for (std::int32_t s = 1; s <= NumPatterns && !hard.complete(); ++s) {
        probe.StartComputerGame(Level::PrettyDumb, PatternOfEntry(s), true);
        probe.ChooseFirstGuess([](std::uint32_t) { return 0u; });
        for (;;) {
            probe.SetScore(probe.ScoreAgainstSecret());
            if (probe.AdvanceAfterScore() != GameResult::None)
                break;
        }
        if (probe.Result() == GameResult::TooManyGuesses)
            hard = PatternOfEntry(s);
    }
    ASSERT_TRUE(hard.complete());
    const QByteArray letters = PatternLetters(hard).toLatin1();
    randomValues = {0};
    startComputer(ScoringOption::SelfScore, Level::PrettyDumb, letters.constData());
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(frm->game().GuessCount, MaxGuesses);
    EXPECT_EQ(boxes.infos.last(), QStringLiteral("Too many guesses, you win"));
}

TEST_F(MastermindWindow, StudentScoresAndTheComputerChecks)
{
    randomValues = {0};
    startComputer(ScoringOption::CheckMe, Level::Smarter, "RGRV");
    EXPECT_EQ(frm->state(), TForm1::State::WaitingForScore);
    EXPECT_TRUE(frm->lblScoreInstructions->isVisible());
    EXPECT_EQ(frm->lblScoreInstructions->text(),
              QStringLiteral("Click small peg holes to score computer's guess, Red=right place, White=wrong place,"
                             "             then click   the 'Enter Score' button "));
    EXPECT_TRUE(frm->btnEnterScore->isVisible());
    EXPECT_EQ(frm->btnEnterScore->text(), QStringLiteral("Enter score"));
    EXPECT_TRUE(frm->btnGiveUp->isVisible());
    EXPECT_FALSE(frm->btnExit->isVisible());
    EXPECT_EQ(rowLetters(1), QStringLiteral("RRBB"));

    // A small hole cycles empty, red, white, empty; large holes take nothing.
    const QRect slot = frm->Board->ScoreSlotRect(1, 4);
    for (int expected : {1, 2, 0, 1}) {
        clickBoard(slot);
        EXPECT_EQ(frm->Board->marks[3], expected);
    }
    clickBoard(frm->Board->HoleRect(1, 1));
    EXPECT_EQ(frm->game().Guesses[1].entry, 8);
    snapshot(QStringLiteral("student-scoring"));
    clickBoard(slot); // red, white, then empty again
    clickBoard(slot);

    // Red-red-blue-blue against red-green-red-violet is 1 red, 1 white: right.
    markScore(1, 1, 1);
    tv::test::click(frm->btnEnterScore);
    EXPECT_TRUE(boxes.infos.isEmpty());
    EXPECT_EQ(rowScore(1), (Score{1, 1}));
    EXPECT_EQ(frm->game().EligibleCount, 208); // the new guess among them
    EXPECT_EQ(rowLetters(2), QStringLiteral("RGRV"));
    EXPECT_EQ(frm->state(), TForm1::State::WaitingForScore);

    // Scored 3 reds instead of 4: corrected once, and the computer has won.
    markScore(2, 3, 0);
    tv::test::click(frm->btnEnterScore);
    EXPECT_EQ(boxes.infos, (QStringList{QStringLiteral("Oops - you made a scoring error, I'll correct it for you"),
                                        QStringLiteral("Solved it , I win!")}));
    EXPECT_EQ(rowScore(2), (Score{4, 0}));
    EXPECT_TRUE(frm->btnExit->isVisible());
    EXPECT_FALSE(frm->btnEnterScore->isVisible());
    EXPECT_FALSE(frm->lblScoreInstructions->isVisible());
}

TEST_F(MastermindWindow, EveryWrongScoreCorrectedOnce)
{
    randomValues = {0};
    startComputer(ScoringOption::CheckMe, Level::Average, "LLLL");
    // Three wrong scores in a row (the truth is 0,0 each time), each corrected once.
    for (int row = 1; row <= 3; ++row) {
        markScore(row, 0, 1);
        tv::test::click(frm->btnEnterScore);
        EXPECT_EQ(boxes.infos.size(), row);
        EXPECT_EQ(rowScore(row), (Score{0, 0}));
    }
    EXPECT_EQ(boxes.infos.count(QStringLiteral("Oops - you made a scoring error, I'll correct it for you")), 3);
    EXPECT_EQ(rowLetters(4), QStringLiteral("VVVV"));
}

TEST_F(MastermindWindow, KeptSecretAndInconsistentScores)
{
    randomValues = {0};
    startComputer(ScoringOption::KeepSecret, Level::Average);
    EXPECT_FALSE(frm->gbAnswer->isVisible());
    EXPECT_EQ(chart.lblText->text(),
              QStringLiteral("Here are the peg colors,        Record your secret pattern on a separate sheet of paper"));
    EXPECT_EQ(chart.pegStrip->colours(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    // No pattern scores 3 reds and a white: nothing is left.
    markScore(1, 3, 1);
    tv::test::click(frm->btnEnterScore);
    EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("You scored wrong, I win!")});
    EXPECT_EQ(frm->state(), TForm1::State::Idle);
    EXPECT_FALSE(frm->gbAnswer->isVisible());
}

TEST_F(MastermindWindow, GivingUpWhileScoring)
{
    for (int reds : {2, 4}) {
        boxes.infos.clear();
        randomValues = {0};
        startComputer(ScoringOption::KeepSecret, Level::Average);
        markScore(1, reds, 0);
        tv::test::click(frm->btnGiveUp);
        EXPECT_EQ(rowScore(1), (Score{reds, 0}));
        EXPECT_EQ(boxes.infos, QStringList{reds == 4 ? QStringLiteral("Solved it , I win!")
                                                     : QStringLiteral("You gave up, I win!")});
        EXPECT_TRUE(frm->btnExit->isVisible());
        EXPECT_FALSE(frm->btnGiveUp->isVisible());
        EXPECT_TRUE(frm->btnStart->isEnabled());
    }
}

TEST_F(MastermindWindow, CancelledOptionsOrPatternStartNothing)
{
    frm->rbComputerSolves->setChecked(true);
    script.then(&options, [this] { options.btnCancel->click(); });
    tv::test::click(frm->btnStart);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(frm->state(), TForm1::State::Idle);
    EXPECT_TRUE(frm->btnStart->isEnabled());
    EXPECT_EQ(frm->game().GuessCount, 0);

    // The options chosen stay for the next game; Cancel in the pattern dialog.
    script.then(&options, [this] {
        options.rbScoring[2]->setChecked(true);
        options.rbLevel[1]->setChecked(true);
        options.btnOK->click();
    });
    PegPattern offered;
    script.then(&pattern, [this, &offered] {
        offered = pattern.Pattern();
        pattern.btnCancel->click();
    });
    randomValues = {3, 2, 1, 0, 4};
    tv::test::click(frm->btnStart);
    EXPECT_TRUE(script.done());
    // Without a previous secret the dialog offers colours of the first four only.
    EXPECT_EQ(PatternLetters(offered), QStringLiteral("VGBR"));
    EXPECT_EQ(frm->state(), TForm1::State::Idle);
    EXPECT_TRUE(frm->btnStart->isEnabled());
    EXPECT_EQ(frm->game().GuessCount, 0);
    EXPECT_TRUE(options.rbScoring[2]->isChecked());
    EXPECT_TRUE(options.rbLevel[1]->isChecked());
}

TEST_F(MastermindWindow, PatternDialogOffersThePreviousSecret)
{
    randomValues = {0};
    startComputer(ScoringOption::SelfScore, Level::Average, "YLVB");
    ASSERT_TRUE(waitIdle());
    PegPattern offered;
    script.then(&options, [this] { options.btnOK->click(); });
    script.then(&pattern, [this, &offered] {
        offered = pattern.Pattern();
        // A click advances the colour, the sixth back to the first.
        QTest::mouseClick(pattern.pegStrip, Qt::LeftButton, {}, pattern.pegStrip->holeRect(1).center());
        QTest::mouseClick(pattern.pegStrip, Qt::LeftButton, {}, pattern.pegStrip->holeRect(0).center());
        pattern.btnOK->click();
    });
    tv::test::click(frm->btnStart);
    EXPECT_EQ(PatternLetters(offered), QStringLiteral("YLVB"));
    EXPECT_EQ(PatternLetters(frm->game().Secret), QStringLiteral("LRVB"));
    EXPECT_EQ(pattern.windowTitle(), QStringLiteral("Secret Pattern"));
    EXPECT_EQ(pattern.lblPrompt->text(), QStringLiteral("Select 4 pegs for secret pattern by clicking on peg holes"));
    EXPECT_EQ(options.windowTitle(), QStringLiteral("Hide Option Form"));
    ASSERT_TRUE(waitIdle());
}

TEST_F(MastermindWindow, ClosingWhileWaitingGivesUp)
{
    struct Case {
        const char* name;
        std::function<void()> start;
        TForm1::State state;
    };
    const Case cases[] = {
        {"guess", [this] { tv::test::click(frm->btnStart); }, TForm1::State::WaitingForGuess},
        {"score", [this] { startComputer(ScoringOption::KeepSecret, Level::Smarter); }, TForm1::State::WaitingForScore},
        {"pause", [this] { startComputer(ScoringOption::SelfScore, Level::Average, "LLLL"); }, TForm1::State::Pausing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::strcmp(c.name, "guess") != 0)
            frm->PauseTimer.setInterval(60000);
        boxes.infos.clear();
        frm->rbHumanSolves->setChecked(true);
        c.start();
        EXPECT_EQ(frm->state(), c.state);
        frm->close();
        EXPECT_FALSE(frm->isVisible());
        EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("You gave up, I win!")});
        EXPECT_EQ(frm->state(), TForm1::State::Idle);
        EXPECT_FALSE(frm->PauseTimer.isActive());
        tv::test::showExposed(*frm);
    }
    // Closing when no game runs shows nothing.
    boxes.infos.clear();
    tv::test::click(frm->btnExit);
    EXPECT_FALSE(frm->isVisible());
    EXPECT_TRUE(boxes.infos.isEmpty());
}

TEST_F(MastermindWindow, DiagnosticLogWhenSwitchedOn)
{
    frm->cbVerbose->setChecked(true);
    randomValues = {0};
    startComputer(ScoringOption::SelfScore, Level::Smarter, "GGVY");
    ASSERT_TRUE(waitIdle());
    ASSERT_GE(verbose.lbSummary->count(), 2);
    EXPECT_EQ(verbose.lbSummary->item(0)->text(), QStringLiteral("Eligible patterns reduced from 1296 to 256"));
    EXPECT_EQ(verbose.lbSummary->item(1)->text(), QStringLiteral("GGVY selected as next guess"));
    // The reasoning behind the last guess chosen: the 1295 entries tested, then one line per candidate.
    EXPECT_EQ(verbose.lbLatest->count(), 1295 + 256);
    EXPECT_EQ(verbose.lbLatest->item(1294 + 256)->text().left(34), QStringLiteral("Min-max max scoreset size for LLLL"));
    EXPECT_FALSE(verbose.isVisible());
    tv::test::click(frm->btnShowVerbose); // hidden button, still wired
    EXPECT_TRUE(verbose.isVisible());
    tv::test::click(verbose.btnHide);
    EXPECT_FALSE(verbose.isVisible());
}

TEST_F(MastermindWindow, DiagnosticLogKeepsTheLatestGuessOnly)
{
    // The same game played by the logic alone, its lines split by guess.
    TMastermindGame replay;
    QStringList summary;
    std::vector<QStringList> rounds(1);
    replay.log = [&](LogList list, const QString& line) {
        if (list == LogList::Summary) {
            summary << line;
            if (line.endsWith(QLatin1String(" selected as next guess")))
                rounds.emplace_back();
        } else {
            rounds.back() << line;
        }
    };
    replay.StartComputerGame(Level::Average, pat("LYLV"), true);
    replay.ChooseFirstGuess([](std::uint32_t) { return 0u; });
    do
        replay.SetScore(replay.ScoreAgainstSecret());
    while (replay.AdvanceAfterScore() == GameResult::None);
    ASSERT_GE(replay.GuessCount, 3);

    frm->cbVerbose->setChecked(true);
    startComputer(ScoringOption::SelfScore, Level::Average, "LYLV");
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(frm->game().GuessCount, replay.GuessCount);
    QStringList shownSummary, shownLatest;
    for (int i = 0; i < verbose.lbSummary->count(); ++i)
        shownSummary << verbose.lbSummary->item(i)->text();
    for (int i = 0; i < verbose.lbLatest->count(); ++i)
        shownLatest << verbose.lbLatest->item(i)->text();
    EXPECT_EQ(shownSummary, summary);
    rounds.pop_back(); // nothing chosen after the last guess
    EXPECT_EQ(shownLatest, rounds.back());
}

TEST(MastermindMessages, ShownAtTheirPlaceOnTheScreen)
{
    // The real boxes this time: the student gives up at once and the box
    // that comes up is looked at, then closed.
    TForm1 form;
    tv::test::showExposed(form);
    QPoint shownAt(-1, -1);
    QString shownText;
    QTimer look;
    look.setInterval(5);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shownAt = box->pos();
        shownText = box->text();
        box->accept();
    });
    look.start();
    tv::test::click(form.btnStart);
    tv::test::click(form.btnGiveUp);
    EXPECT_EQ(shownText, QStringLiteral("You gave up, I win!"));
    EXPECT_EQ(shownAt, QPoint(400, 232));
}

TEST(MastermindPegs, EightPicturesOfFiftyPixels)
{
    const auto& images = pegImages();
    for (const QImage& image : images)
        EXPECT_EQ(image.size(), QSize(50, 50));
    // The centre of each colour picture is that colour's hue; the score pegs red and white.
    for (int c = 1; c <= NumColours; ++c)
        EXPECT_NEAR(images[static_cast<std::size_t>(c - 1)].pixelColor(25, 25).hue(), pegColour(c).hue(), 15) << c;
    const QColor red = images[RedScorePeg].pixelColor(25, 25), white = images[WhiteScorePeg].pixelColor(25, 25);
    EXPECT_GT(red.red(), 2 * red.green());
    EXPECT_GT(white.lightness(), 200);
}
